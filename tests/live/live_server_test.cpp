#include "live/live_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <thread>

#include "live/raw_http.h"

namespace {

std::shared_ptr<const LiveSnapshot> Snapshot(const std::string& html, const std::string& json) {
  return std::make_shared<const LiveSnapshot>(LiveSnapshot{html, json, EntityTag(html), EntityTag(json)});
}

struct LiveServerTest : ::testing::Test {
  LiveServer server;
  int port = 0;
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(server.Start({"127.0.0.1", 0}, error)) << error;
    port = server.Port();
    server.Publish(Snapshot("<p>page</p>", "{\"n\":1}"));
  }
};

}  // namespace

TEST_F(LiveServerTest, OnlyTheTwoRoutesAnswerWhateverThePathSays) {
  struct Case {
    const char* requestLine;
    int status;
    const char* reply;  // what the reply holds (or, after "!", does not hold)
  };
  const Case cases[] = {
      {"GET / HTTP/1.1", 200, "<p>page</p>"},
      {"GET /?from=qr HTTP/1.1", 200, "\r\nCache-Control: no-cache\r\n"},
      {"GET /results.json HTTP/1.1", 200, "\r\nContent-Type: application/json; charset=utf-8\r\n"},
      {"HEAD /results.json HTTP/1.1", 200, "!{\"n\":1}"},
      {"GET /index.html HTTP/1.1", 404, "!<p>"},
      {"GET /../../etc/passwd HTTP/1.1", 404, "!root:"},
      {"GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1", 404, "!root:"},
      {"GET /%2E%2E%2F%2E%2E%2Fetc%2Fpasswd HTTP/1.1", 404, "!root:"},
      {"GET /./results.json HTTP/1.1", 404, "!{"},
      {"GET /results.json/../../etc/passwd HTTP/1.1", 404, "!root:"},
      {"GET //etc/passwd HTTP/1.1", 404, "!root:"},
      {"GET /results.json%00.html HTTP/1.1", 404, "!{"},
      {"GET http://127.0.0.1/etc/passwd HTTP/1.1", 404, "!root:"},
      {"POST / HTTP/1.1", 405, "\r\nAllow: GET, HEAD\r\n"},
      {"PUT /results.json HTTP/1.1", 405, "\r\nAllow: GET, HEAD\r\n"},
      {"DELETE / HTTP/1.1", 405, "\r\nAllow: GET, HEAD\r\n"},
      {"OPTIONS * HTTP/1.1", 405, "\r\nAllow: GET, HEAD\r\n"},
      {"TRACE / HTTP/1.1", 405, "\r\nAllow: GET, HEAD\r\n"},
  };
  for (const Case& c : cases) {
    const std::string reply =
        RawExchange(port, std::string(c.requestLine) + "\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(StatusOf(reply), c.status) << c.requestLine;
    const bool holds = reply.find(c.reply[0] == '!' ? c.reply + 1 : c.reply) != std::string::npos;
    EXPECT_EQ(holds, c.reply[0] != '!') << c.requestLine << ": " << c.reply;
  }
}

TEST_F(LiveServerTest, AKnownTagIsAnsweredWith304UntilTheResultsChange) {
  httplib::Client c("127.0.0.1", port);
  const std::string tag = EntityTag("<p>page</p>");
  const std::pair<std::string, int> cases[] = {{tag, 304}, {"W/" + tag, 304},  {"\"other\", " + tag, 304},
                                               {"*", 304}, {"\"other\"", 200}, {tag.substr(1), 200}};
  for (const auto& [ifNoneMatch, status] : cases) {
    const auto r = c.Get("/", {{"If-None-Match", ifNoneMatch}});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, status) << ifNoneMatch;
    EXPECT_EQ(r->get_header_value("ETag"), tag);
    EXPECT_EQ(r->body.empty(), status == 304);
  }
  server.Publish(Snapshot("<p>new score</p>", "{\"n\":2}"));
  const auto changed = c.Get("/", {{"If-None-Match", tag}});
  ASSERT_TRUE(changed);
  EXPECT_EQ(changed->status, 200);
  EXPECT_EQ(changed->body, "<p>new score</p>");
}

TEST_F(LiveServerTest, OversizedRequestsAreRefusedAndTheServerGoesOn) {
  const std::string get = "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
  std::string manyHeaders;
  for (int i = 0; i < 200; ++i) manyHeaders += "X-" + std::to_string(i) + ": y\r\n";
  const std::pair<std::string, int> cases[] = {
      {"GET /" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", 414},
      {get + "X-Long: " + std::string(20000, 'b') + "\r\n\r\n", 400},
      {get + manyHeaders + "\r\n", 431},
      {"POST / HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: 1000000\r\n\r\n" +
           std::string(100000, 'c'),
       405},
      {std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 16), 400},
  };
  for (const auto& [request, status] : cases) {
    // The server may also just close a connection that cannot be a request.
    const int answer = StatusOf(RawExchange(port, request));
    EXPECT_TRUE(answer == status || answer == 0) << request.substr(0, 30) << ": " << answer;
  }
  EXPECT_EQ(StatusOf(RawExchange(port, get + "\r\n")), 200);
}

TEST_F(LiveServerTest, ASilentClientIsCutOffAndDoesNotHoldUpStopping) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  EXPECT_NE(StatusOf(RawExchange(port, "GET / HTTP/1.1\r\nHost:", 60)), 200);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(30));

  std::thread idle([this] { RawExchange(port, "GET", 60); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto stopping = Clock::now();
  server.Stop();
  EXPECT_LT(Clock::now() - stopping, std::chrono::seconds(30));
  idle.join();
}

TEST(LiveServer, ATakenPortIsAClearErrorNotASharedPort) {
  LiveServer first, second;
  std::string error;
  ASSERT_TRUE(first.Start({"127.0.0.1", 0}, error)) << error;
  EXPECT_FALSE(second.Start({"127.0.0.1", first.Port()}, error));
  EXPECT_NE(error.find("already in use"), std::string::npos) << error;
  EXPECT_FALSE(second.Start({"203.0.113.1", 0}, error));
  EXPECT_NE(error.find("not an address of this computer"), std::string::npos) << error;
}
