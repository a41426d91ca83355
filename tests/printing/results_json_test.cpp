#include "printing/results_json.h"

#include <gtest/gtest.h>

#include "support/results_tournament.h"

TEST(ResultsJson, HoldsEveryFieldInCatalogueAndPlaceOrder) {
  TestPlatform tp;
  Tournament t;
  t.settings.RulesMode = 0;
  t.settings.PlaceMode = 'B';
  t.RoundCount = 1;
  t.info.EventName = "LAKE <CUP> \"26\"";
  t.info.StartDate = "20260704";
  t.info.EndDate = "20260705";
  // Added in the opposite of the catalogue's order, W before MU17.
  TSkier& eide = AddSkier(t, tp, "EIDE", "KARI", sample::kW, "T");
  eide.Team = "TRD";
  sample::TrickResult(eide, 800, 1000, 1);
  sample::Overall(eide, 1000, 1);
  TSkier& carlsen = AddSkier(t, tp, "CARLSEN", "Mia", sample::kW, "S");
  sample::SlalomResult(carlsen, 17, 1000, 1);
  sample::Overall(carlsen, 900, 2);
  TSkier& foss = AddSkier(t, tp, "FOSS", "Emil", sample::kMU17, "SJ");
  foss.Team = "OSL";
  sample::JumpResult(foss, 22, 1000, 1);
  sample::Overall(foss, 1000, 1);
  t.CurEvent = 'S';
  t.CurRound = 1;

  const std::string expected =
      R"({"event":{"name":"LAKE \u003cCUP\u003e \"26\"","startDate":"2026-07-04","endDate":"2026-07-05",)"
      R"("rules":"ZETL rules","placement":"best score"},)"
      "\n"
      R"("dataTime":"2026-07-04T14:30:05",)"
      "\n"
      R"("provisional":true,)"
      "\n"
      R"("divisions":[{"division":"MU17","events":[)"
      R"({"event":"S","name":"Slalom","rows":[{"place":null,"name":"Emil FOSS","team":"OSL","score":"0.00","points":0.00}]},)"
      R"({"event":"T","name":"Trick","rows":[]},)"
      R"({"event":"J","name":"Jump","rows":[{"place":1,"name":"Emil FOSS","team":"OSL","score":"22.0","points":1000.00}]}],)"
      R"("overall":[{"place":1,"name":"Emil FOSS","team":"OSL","points":1000.00}]},)"
      "\n"
      R"({"division":"W","events":[)"
      R"({"event":"S","name":"Slalom","rows":[{"place":1,"name":"Mia CARLSEN","team":"","score":"17.00","points":1000.00}]},)"
      R"({"event":"T","name":"Trick","rows":[{"place":1,"name":"Kari EIDE","team":"TRD","score":"800","points":1000.00}]},)"
      R"({"event":"J","name":"Jump","rows":[]}],)"
      R"("overall":[{"place":1,"name":"Kari EIDE","team":"TRD","points":1000.00},)"
      R"({"place":2,"name":"Mia CARLSEN","team":"","points":900.00}]}],)"
      "\n"
      R"("runningOrder":{"event":"S","name":"Slalom","round":1,"divisions":[)"
      R"({"division":"MU17","skiers":[{"order":1,"bib":"","name":"Emil FOSS","team":"OSL"}]},)"
      R"({"division":"W","skiers":[{"order":1,"bib":"","name":"Mia CARLSEN","team":""}]}]}})"
      "\n";
  EXPECT_EQ(ResultsJson(GatherResults(t, tp), {2026, 7, 4, 14, 30, 5}, true), expected);
}

TEST(ResultsJson, EventRowsFollowThePlacesNotTheOverallOrder) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);  // M overall: AAS first
  t.ChangeEachSkier([](TSkier& s) {
    if (s.Surname == "AAS") s.JumpPlace = 3;
    if (s.Surname == "DAHL") s.JumpPlace = 1;
    if (s.Surname == "BERG") s.JumpPlace = 2;
  });
  const std::string json = ResultsJson(GatherResults(t, tp), {2026, 7, 4, 14, 30, 5}, false);
  const auto jump = json.find(R"({"event":"J","name":"Jump","rows":[{"place":1,"name":"Jon DAHL")");
  ASSERT_NE(jump, std::string::npos) << json;
  EXPECT_LT(json.find("Per BERG", jump), json.find("Lars AAS", jump));
  EXPECT_NE(json.find(R"("provisional":false)"), std::string::npos);
}

TEST(ResultsJson, StringsAreEscapedForJsonAndForAPageScript) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain Ærø", "\"plain Ærø\""},
      {"a\"b\\c", R"("a\"b\\c")"},
      {"</script><b>&amp;", R"("\u003c/script\u003e\u003cb\u003e\u0026amp;")"},
      {std::string("tab\tline\nnul\0end\x7f", 17), R"("tab\u0009line\u000anul\u0000end\u007f")"},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json) << text;
}
