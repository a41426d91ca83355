#pragma once
// The skier record. Its layout is the 2208-byte record of the skier file, byte for byte.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/per_round.h"
#include "core/short_string.h"

struct TSkier {
  ShortString<15> Surname;    // upper case; the list's sort key
  ShortString<15> FirstName;
  std::int32_t EntryNo;
  ShortString<8> BirthYear;
  ShortString<10> MemberId;
  ShortString<3> Bib;
  std::uint8_t Division;  // 0..85, 86 = none
  ShortString<3> Fed;
  ShortString<3> Team;
  ShortString<1> SlalomEntry;  // "S" or empty
  ShortString<1> TrickEntry;   // "T" or empty
  ShortString<1> JumpEntry;    // "J" or empty
  ShortString<1> Paid;         // "Y" or "N"
  std::uint8_t Gap0[3];

  // Slalom block (704 bytes)
  PerRound<double> SlalomBuoys;   // buoys scored on the last pass
  PerRound<double> SlalomSpeed;   // boat speed, km/h
  PerRound<double> SlalomScore;   // round score in buoys
  PerRound<double> SlalomRope;    // rope length, m
  PerRound<double> SlalomUnused5;
  double SlalomSeed;
  std::uint8_t SlalomFinalist;  // 0 or 1
  std::uint8_t SlalomGap1[7];
  double SlalomRankScore;  // the value the skier was placed on
  std::int32_t SlalomPlace;  // below 1 means none
  std::uint8_t SlalomGap2[4];
  double SlalomPoints;  // overall points of the event
  PerRound<std::uint8_t> SlalomRoundDiv;
  PerRound<PerRound<ShortString<5>>, 10> SlalomTime1;  // [pass 1..10][round]
  PerRound<PerRound<ShortString<5>>, 10> SlalomTime2;
  PerRound<ShortString<1>> SlalomClass;
  PerRound<ShortString<2>> SlalomBoat;

  // Trick block (704 bytes)
  PerRound<double> TrickPass1;   // points of pass 1
  PerRound<double> TrickPass2;   // points of pass 2
  PerRound<double> TrickScore;   // round total points
  PerRound<double> TrickUnused4;
  PerRound<double> TrickUnused5;
  double TrickSeed;
  std::uint8_t TrickFinalist;  // 0 or 1
  std::uint8_t TrickGap1[7];
  double TrickRankScore;  // the value the skier was placed on
  std::int32_t TrickPlace;  // below 1 means none
  std::uint8_t TrickGap2[4];
  double TrickPoints;  // overall points of the event
  PerRound<std::uint8_t> TrickRoundDiv;
  PerRound<PerRound<ShortString<5>>, 10> TrickTime1;  // [pass 1..10][round]
  PerRound<PerRound<ShortString<5>>, 10> TrickTime2;
  PerRound<ShortString<1>> TrickClass;
  PerRound<ShortString<2>> TrickBoat;

  // Jump block (704 bytes)
  PerRound<PerRound<double>, 3> JumpDistance;  // JumpDistance[j][r], jumps 1..3
  PerRound<double> JumpRamp;   // ramp height ratio
  PerRound<double> JumpSpeed;  // boat speed, km/h
  double JumpSeed;
  std::uint8_t JumpFinalist;  // 0 or 1
  std::uint8_t JumpGap1[7];
  double JumpRankScore;  // the value the skier was placed on
  std::int32_t JumpPlace;  // below 1 means none
  std::uint8_t JumpGap2[4];
  double JumpPoints;  // overall points of the event
  PerRound<std::uint8_t> JumpRoundDiv;
  PerRound<PerRound<ShortString<5>>, 10> JumpTime1;  // [pass 1..10][round]
  PerRound<PerRound<ShortString<5>>, 10> JumpTime2;
  PerRound<ShortString<1>> JumpClass;
  PerRound<ShortString<2>> JumpBoat;
  double OverallScore;
  std::int32_t OverallPlace;
  std::uint8_t Gap9[4];
};

static_assert(std::is_trivially_copyable_v<TSkier>);
static_assert(std::is_standard_layout_v<TSkier>);
static_assert(sizeof(TSkier) == 2208);
static_assert(offsetof(TSkier, FirstName) == 16);
static_assert(offsetof(TSkier, EntryNo) == 32);
static_assert(offsetof(TSkier, BirthYear) == 36);
static_assert(offsetof(TSkier, MemberId) == 45);
static_assert(offsetof(TSkier, Bib) == 56);
static_assert(offsetof(TSkier, Division) == 60);
static_assert(offsetof(TSkier, Fed) == 61);
static_assert(offsetof(TSkier, Team) == 65);
static_assert(offsetof(TSkier, SlalomEntry) == 69);
static_assert(offsetof(TSkier, TrickEntry) == 71);
static_assert(offsetof(TSkier, JumpEntry) == 73);
static_assert(offsetof(TSkier, Paid) == 75);
static_assert(offsetof(TSkier, SlalomBuoys) == 80);
static_assert(offsetof(TSkier, SlalomSpeed) == 112);
static_assert(offsetof(TSkier, SlalomScore) == 144);
static_assert(offsetof(TSkier, SlalomRope) == 176);
static_assert(offsetof(TSkier, SlalomSeed) == 240);
static_assert(offsetof(TSkier, SlalomFinalist) == 248);
static_assert(offsetof(TSkier, SlalomRankScore) == 256);
static_assert(offsetof(TSkier, SlalomPlace) == 264);
static_assert(offsetof(TSkier, SlalomPoints) == 272);
static_assert(offsetof(TSkier, SlalomRoundDiv) == 280);
static_assert(offsetof(TSkier, SlalomTime1) == 284);
static_assert(offsetof(TSkier, SlalomTime2) == 524);
static_assert(offsetof(TSkier, SlalomClass) == 764);
static_assert(offsetof(TSkier, SlalomBoat) == 772);
static_assert(offsetof(TSkier, TrickPass1) == 784);
static_assert(offsetof(TSkier, TrickScore) == 848);
static_assert(offsetof(TSkier, TrickSeed) == 944);
static_assert(offsetof(TSkier, TrickPlace) == 968);
static_assert(offsetof(TSkier, TrickTime1) == 988);
static_assert(offsetof(TSkier, JumpDistance) == 1488);
static_assert(offsetof(TSkier, JumpRamp) == 1584);
static_assert(offsetof(TSkier, JumpSpeed) == 1616);
static_assert(offsetof(TSkier, JumpSeed) == 1648);
static_assert(offsetof(TSkier, JumpFinalist) == 1656);
static_assert(offsetof(TSkier, JumpRankScore) == 1664);
static_assert(offsetof(TSkier, JumpPlace) == 1672);
static_assert(offsetof(TSkier, JumpPoints) == 1680);
static_assert(offsetof(TSkier, JumpRoundDiv) == 1688);
static_assert(offsetof(TSkier, JumpTime1) == 1692);
static_assert(offsetof(TSkier, JumpTime2) == 1932);
static_assert(offsetof(TSkier, JumpClass) == 2172);
static_assert(offsetof(TSkier, JumpBoat) == 2180);
static_assert(offsetof(TSkier, OverallScore) == 2192);
static_assert(offsetof(TSkier, OverallPlace) == 2200);

// The jump codes stored below 0.1.
inline bool IsJumpPass(double d) { return d > 0.005 && d < 0.015; }
inline bool IsJumpFall(double d) { return d >= 0.015 && d < 0.025; }
inline bool IsJumpDsq(double d) { return d >= 0.025 && d < 0.035; }
// The round's jump result: the longest of its three jumps, below 0.1 counting as 0.
double JumpRoundResult(const TSkier& s, int round);
// The entry flag of an event: "S", "T" or "J" when entered.
bool EnteredIn(const TSkier& s, char event);
// Whether the skier is a finalist of the event.
bool IsFinalist(const TSkier& s, char event);
// The per-event fields of a record, to read or (on a record that is not const) to write: 'T' trick,
// 'J' jump, any other letter slalom.
template <typename Skier>
auto& RankScoreOf(Skier& s, char event) {
  return event == 'T' ? s.TrickRankScore : event == 'J' ? s.JumpRankScore : s.SlalomRankScore;
}
template <typename Skier>
auto& PlaceOf(Skier& s, char event) {
  return event == 'T' ? s.TrickPlace : event == 'J' ? s.JumpPlace : s.SlalomPlace;
}
template <typename Skier>
auto& PointsOf(Skier& s, char event) {
  return event == 'T' ? s.TrickPoints : event == 'J' ? s.JumpPoints : s.SlalomPoints;
}
template <typename Skier>
auto& SeedOf(Skier& s, char event) {
  return event == 'T' ? s.TrickSeed : event == 'J' ? s.JumpSeed : s.SlalomSeed;
}
template <typename Skier>
auto& FinalistOf(Skier& s, char event) {
  return event == 'T' ? s.TrickFinalist : event == 'J' ? s.JumpFinalist : s.SlalomFinalist;
}
