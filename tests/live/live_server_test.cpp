#include "live/live_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <thread>

#include "live/raw_http.h"

namespace {

std::shared_ptr<const LiveSnapshot> Snapshot(const std::string& html, const std::string& json) {
  auto s = std::make_shared<LiveSnapshot>();
  s->html = html;
  s->json = json;
  s->htmlEtag = EntityTag(html);
  s->jsonEtag = EntityTag(json);
  return s;
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
  httplib::Client Client() const {
    httplib::Client c("127.0.0.1", port);
    c.set_read_timeout(20, 0);
    return c;
  }
};

}  // namespace

TEST_F(LiveServerTest, OnlyTheTwoRoutesAnswerWhateverThePathSays) {
  struct Case {
    const char* requestLine;
    int status;
    const char* body;  // what the body holds; nullptr: not looked at
  };
  const Case cases[] = {
      {"GET / HTTP/1.1", 200, "<p>page</p>"},
      {"GET /?from=qr HTTP/1.1", 200, "<p>page</p>"},
      {"GET /results.json HTTP/1.1", 200, "{\"n\":1}"},
      {"GET /index.html HTTP/1.1", 404, nullptr},
      {"GET /../../etc/passwd HTTP/1.1", 404, nullptr},
      {"GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1", 404, nullptr},
      {"GET /%2E%2E%2F%2E%2E%2Fetc%2Fpasswd HTTP/1.1", 404, nullptr},
      {"GET /./results.json HTTP/1.1", 404, nullptr},
      {"GET /results.json/../../etc/passwd HTTP/1.1", 404, nullptr},
      {"GET //etc/passwd HTTP/1.1", 404, nullptr},
      {"GET /results.json%00.html HTTP/1.1", 404, nullptr},
      {"GET http://127.0.0.1/etc/passwd HTTP/1.1", 404, nullptr},
      {"POST / HTTP/1.1", 405, nullptr},
      {"PUT /results.json HTTP/1.1", 405, nullptr},
      {"DELETE / HTTP/1.1", 405, nullptr},
      {"OPTIONS * HTTP/1.1", 405, nullptr},
      {"PATCH /nothing HTTP/1.1", 405, nullptr},
      {"TRACE / HTTP/1.1", 405, nullptr},
  };
  for (const Case& c : cases) {
    const std::string reply =
        RawExchange(port, std::string(c.requestLine) + "\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(StatusOf(reply), c.status) << c.requestLine;
    if (c.body) {
      EXPECT_NE(reply.find(c.body), std::string::npos) << c.requestLine;
    }
    EXPECT_EQ(reply.find("root:"), std::string::npos) << c.requestLine;
    if (c.status == 405) {
      EXPECT_NE(reply.find("Allow: GET, HEAD\r\n"), std::string::npos) << c.requestLine;
    }
  }
}

TEST_F(LiveServerTest, HeadAnswersTheHeadersWithoutTheBody) {
  auto c = Client();
  const auto head = c.Head("/results.json");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 200);
  EXPECT_EQ(head->body, "");
  EXPECT_EQ(head->get_header_value("ETag"), EntityTag("{\"n\":1}"));
  EXPECT_EQ(head->get_header_value("Content-Type"), "application/json; charset=utf-8");
}

TEST_F(LiveServerTest, AKnownTagIsAnsweredWith304UntilTheResultsChange) {
  auto c = Client();
  const auto first = c.Get("/");
  ASSERT_TRUE(first);
  const std::string tag = first->get_header_value("ETag");
  EXPECT_EQ(first->get_header_value("Cache-Control"), "no-cache");
  struct Case {
    std::string ifNoneMatch;
    int status;
  };
  const Case cases[] = {{tag, 304}, {"W/" + tag, 304},  {"\"other\", " + tag, 304},
                        {"*", 304}, {"\"other\"", 200}, {tag.substr(1), 200}};
  for (const Case& k : cases) {
    const auto r = c.Get("/", {{"If-None-Match", k.ifNoneMatch}});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, k.status) << k.ifNoneMatch;
    EXPECT_EQ(r->get_header_value("ETag"), tag);
    if (k.status == 304) {
      EXPECT_EQ(r->body, "");
    }
  }
  server.Publish(Snapshot("<p>new score</p>", "{\"n\":2}"));
  const auto changed = c.Get("/", {{"If-None-Match", tag}});
  ASSERT_TRUE(changed);
  EXPECT_EQ(changed->status, 200);
  EXPECT_EQ(changed->body, "<p>new score</p>");
  EXPECT_NE(changed->get_header_value("ETag"), tag);
}

TEST_F(LiveServerTest, OversizedRequestsAreRefusedAndTheServerGoesOn) {
  const std::string get = "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
  std::string manyHeaders;
  for (int i = 0; i < 200; ++i) manyHeaders += "X-" + std::to_string(i) + ": y\r\n";
  struct Case {
    const char* what;
    std::string request;
    int status;
  };
  const Case cases[] = {
      {"long path", "GET /" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n",
       414},
      {"long header", get + "X-Long: " + std::string(20000, 'b') + "\r\n\r\n", 400},
      {"many headers", get + manyHeaders + "\r\n", 431},
      {"a body",
       "POST / HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: 1000000\r\n\r\n" +
           std::string(100000, 'c'),
       405},
      {"garbage", std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 16), 400},
  };
  for (const Case& c : cases) {
    const std::string reply = RawExchange(port, c.request);
    // The server may also just close the connection on what cannot be a request.
    EXPECT_TRUE(StatusOf(reply) == c.status || StatusOf(reply) == 0) << c.what << ": " << reply.substr(0, 40);
    EXPECT_NE(StatusOf(reply), 200) << c.what;
  }
  const auto after = Client().Get("/");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->status, 200);
}

TEST_F(LiveServerTest, ASilentClientIsCutOffAndDoesNotHoldUpStopping) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  // Half a request, then silence: the server gives up on its own.
  const std::string reply = RawExchange(port, "GET / HTTP/1.1\r\nHost:", 60);
  EXPECT_NE(StatusOf(reply), 200);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(30));

  std::thread idle([this] { RawExchange(port, "GET", 60); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto stopping = Clock::now();
  server.Stop();
  EXPECT_LT(Clock::now() - stopping, std::chrono::seconds(30));
  EXPECT_FALSE(server.Running());
  idle.join();
}

TEST(LiveServer, ATakenPortIsAClearErrorNotASharedPort) {
  LiveServer first, second;
  std::string error;
  ASSERT_TRUE(first.Start({"127.0.0.1", 0}, error)) << error;
  EXPECT_FALSE(second.Start({"127.0.0.1", first.Port()}, error));
  EXPECT_NE(error.find("already in use"), std::string::npos) << error;
  EXPECT_FALSE(second.Start({"192.0.2.1", 0}, error));
  EXPECT_NE(error.find("not an address of this computer"), std::string::npos) << error;
}
