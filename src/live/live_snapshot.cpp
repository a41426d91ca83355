#include "live/live_snapshot.h"

#include <cstdint>
#include <cstdio>

#include "printing/results_json.h"
#include "printing/results_page.h"

namespace {

// A phone keeps the page it was shown and asks every few seconds whether the results changed; a
// 304 costs nothing, a change fetches the page again and swaps its body in, so the reader keeps
// their place and nothing outside this server is ever loaded.
constexpr const char* kPollScript = R"(<script>
(function(){var tag=%TAG%;
function poll(){fetch("/results.json",{headers:{"If-None-Match":tag},cache:"no-store"}).then(function(r){
if(r.status!==200)return;var next=r.headers.get("ETag")||"";
return fetch("/",{cache:"no-store"}).then(function(p){if(!p.ok)throw p.status;return p.text();}).then(function(html){
var d=new DOMParser().parseFromString(html,"text/html");document.title=d.title;
document.body.innerHTML=d.body.innerHTML;tag=next;});}).catch(function(){}).then(function(){setTimeout(poll,5000);});}
setTimeout(poll,5000);})();
</script>
)";

std::string PollScript(const std::string& jsonEtag) {
  std::string script = kPollScript;
  const std::string placeholder = "%TAG%";
  script.replace(script.find(placeholder), placeholder.size(), JsonString(jsonEtag));
  return script;
}

}  // namespace

std::string EntityTag(std::string_view bytes) {
  // FNV-1a: the tag only has to change with the bytes, not resist anyone.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "\"%016llx-%zx\"", static_cast<unsigned long long>(hash),
                bytes.size());
  return buffer;
}

std::shared_ptr<const LiveSnapshot> BuildLiveSnapshot(Tournament& t, const Services& p,
                                                      const DateTime& dataTime, bool provisional) {
  const ResultsData data = GatherResults(t, p);
  auto snapshot = std::make_shared<LiveSnapshot>();
  snapshot->json = ResultsJson(data, dataTime, provisional);
  snapshot->jsonEtag = EntityTag(snapshot->json);
  // The desktop publishes after every change: its time is then no save's.
  snapshot->html =
      ResultsPageHtml(data, dataTime, PollScript(snapshot->jsonEtag), t.Unsaved ? "Updated" : "Last saved");
  snapshot->htmlEtag = EntityTag(snapshot->html);
  return snapshot;
}
