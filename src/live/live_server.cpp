#include "live/live_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "live/connection_queue.h"

namespace {

// A phone's request is one line and a dozen headers without a body; anything much larger is no
// browser of ours. (The library itself cuts the request line and each header line at 8 KB.)
constexpr std::size_t kMaxHeaders = 64;
constexpr std::size_t kMaxBody = 1024;
// Answering takes well under a millisecond, so a few workers serve a whole shore of phones.
constexpr std::size_t kWorkers = 8;
constexpr std::size_t kWaitingConnections = 64;
constexpr int kBacklog = 128;
constexpr time_t kTimeoutSeconds = 5;
constexpr time_t kKeepAliveSeconds = 2;
constexpr const char* kAllow = "GET, HEAD";

// Whether an If-None-Match header names the tag: a list of tags, weak ones too, or "*".
bool Matches(const std::string& header, const std::string& etag) {
  std::size_t start = 0;
  while (start <= header.size()) {
    std::size_t end = header.find(',', start);
    if (end == std::string::npos) end = header.size();
    std::string tag = header.substr(start, end - start);
    const auto first = tag.find_first_not_of(" \t"), last = tag.find_last_not_of(" \t");
    tag = first == std::string::npos ? "" : tag.substr(first, last - first + 1);
    if (tag.rfind("W/", 0) == 0) tag.erase(0, 2);
    if (tag == "*" || tag == etag) return true;
    start = end + 1;
  }
  return false;
}

void Respond(const httplib::Request& req, httplib::Response& res, const std::string& body,
             const std::string& etag, const char* type) {
  res.set_header("ETag", etag);
  res.set_header("Cache-Control", "no-cache");
  res.set_header("Vary", "Accept-Encoding");
  if (req.has_header("If-None-Match") && Matches(req.get_header_value("If-None-Match"), etag)) {
    res.status = 304;
    return;
  }
  res.set_content(body, type);
}

// Every response: nothing from elsewhere may be loaded or framed; the page's own style and script only.
httplib::Headers SafetyHeaders() {
  return {{"X-Content-Type-Options", "nosniff"},
          {"Referrer-Policy", "no-referrer"},
          {"X-Frame-Options", "DENY"},
          {"Content-Security-Policy",
           "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; connect-src 'self'; "
           "frame-ancestors 'none'; base-uri 'none'; form-action 'none'"}};
}

std::string BindProblem(const LiveServer::Options& options, int error) {
  const std::string port = std::to_string(options.port);
  switch (error) {
    case EADDRINUSE:
      return "port " + port + " is already in use on " + options.address + " (another program serves it)";
    case EADDRNOTAVAIL:
      return options.address + " is not an address of this computer";
    case EACCES:
      return "port " + port + " needs administrator rights; choose a port above 1023";
    case 0:
      return "cannot listen on " + options.address + " port " + port + " (is the address right?)";
    default:
      return "cannot listen on " + options.address + " port " + port + ": " + std::strerror(error);
  }
}

}  // namespace

struct LiveServer::Impl {
  std::atomic<std::shared_ptr<const LiveSnapshot>> snapshot;
  mutable std::atomic<std::uint64_t> answered{0};
  std::unique_ptr<httplib::Server> server;
  std::thread thread;
  int port = 0;
  int socket = -1;  // the listening socket, once bound

  std::unique_ptr<httplib::Server> MakeServer();
  void Serve(const httplib::Request& req, httplib::Response& res, bool json) const;
};

void LiveServer::Impl::Serve(const httplib::Request& req, httplib::Response& res, bool json) const {
  const std::shared_ptr<const LiveSnapshot> now = snapshot.load();
  if (!now) {
    res.status = 503;
    res.set_header("Retry-After", "5");
    res.set_content("The results are not ready yet.\n", "text/plain; charset=utf-8");
    return;
  }
  ++answered;
  if (json)
    Respond(req, res, now->json, now->jsonEtag, "application/json; charset=utf-8");
  else
    Respond(req, res, now->html, now->htmlEtag, "text/html; charset=utf-8");
}

std::unique_ptr<httplib::Server> LiveServer::Impl::MakeServer() {
  auto s = std::make_unique<httplib::Server>();
  s->new_task_queue = [] { return new ConnectionQueue(kWorkers, kWaitingConnections); };
  // Without SO_REUSEPORT a second server on the same port is refused instead of sharing it.
  s->set_socket_options([this](int sock) {
    int yes = 1;
    ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    socket = sock;
  });
  s->set_read_timeout(kTimeoutSeconds, 0);
  s->set_write_timeout(kTimeoutSeconds, 0);
  s->set_keep_alive_timeout(kKeepAliveSeconds);
  s->set_keep_alive_max_count(100);
  s->set_payload_max_length(kMaxBody);
  s->set_default_headers(SafetyHeaders());
  s->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
    if (req.method != "GET" && req.method != "HEAD") {
      res.status = 405;
      res.set_header("Allow", kAllow);
      res.set_content("Only GET and HEAD are answered here.\n", "text/plain; charset=utf-8");
      return httplib::Server::HandlerResponse::Handled;
    }
    if (req.headers.size() > kMaxHeaders) {
      res.status = 431;
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  s->Get("/", [this](const httplib::Request& req, httplib::Response& res) { Serve(req, res, false); });
  s->Get("/results.json",
         [this](const httplib::Request& req, httplib::Response& res) { Serve(req, res, true); });
  s->set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.body.empty())
      res.set_content(res.status == 404 ? "There is nothing here: the results are at /.\n" : "Bad request.\n",
                      "text/plain; charset=utf-8");
  });
  return s;
}

LiveServer::LiveServer() : impl_(std::make_unique<Impl>()) {}

LiveServer::~LiveServer() { Stop(); }

bool LiveServer::Start(const Options& options, std::string& error) {
  Stop();
  // A phone that walks out of range mid-answer must cost an error code, not the scorer's program.
  ::signal(SIGPIPE, SIG_IGN);
  auto server = impl_->MakeServer();
  errno = 0;
  int port = options.port;
  if (port == 0)
    port = server->bind_to_any_port(options.address);
  else if (!server->bind_to_port(options.address, port))
    port = -1;
  if (port <= 0) {
    error = BindProblem(options, errno);
    return false;
  }
  // The library's backlog of five turns a crowd of phones arriving together into connection
  // retries a second later; listening again only lengthens the line.
  ::listen(impl_->socket, kBacklog);
  impl_->port = port;
  impl_->server = std::move(server);
  httplib::Server* raw = impl_->server.get();
  auto ended = std::make_shared<std::atomic<bool>>(false);
  impl_->thread = std::thread([raw, ended] {
    raw->listen_after_bind();
    *ended = true;
  });
  // A stop asked for before the listening loop runs would be lost and leave Stop() waiting for ever.
  while (!raw->is_running() && !*ended) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return true;
}

void LiveServer::Stop() {
  if (!impl_->server) return;
  impl_->server->stop();
  if (impl_->thread.joinable()) impl_->thread.join();
  impl_->server.reset();
  impl_->port = 0;
}

bool LiveServer::Running() const { return impl_->server != nullptr; }

int LiveServer::Port() const { return impl_->port; }

std::uint64_t LiveServer::Answered() const { return impl_->answered.load(); }

void LiveServer::Publish(std::shared_ptr<const LiveSnapshot> snapshot) {
  impl_->snapshot.store(std::move(snapshot));
}
