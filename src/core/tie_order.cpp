#include "core/tie_order.h"

#include <algorithm>
#include <utility>

namespace {

TieName NameOf(const TSkier& s) { return {s.Surname.str(), s.FirstName.str()}; }

std::size_t PlaceOf(const std::vector<TieName>& order, const TieName& name) {
  return static_cast<std::size_t>(std::find(order.begin(), order.end(), name) - order.begin());
}

// Where the tie's skiers already drawn stand in the order, ascending.
std::vector<std::size_t> PlacesDrawn(const std::vector<TieName>& order, std::span<TSkier> tie) {
  std::vector<std::size_t> places;
  for (const TSkier& s : tie)
    if (auto at = PlaceOf(order, NameOf(s)); at < order.size()) places.push_back(at);
  std::sort(places.begin(), places.end());
  places.erase(std::unique(places.begin(), places.end()), places.end());
  return places;
}

}  // namespace

bool OrderTie(std::vector<TieName>& order, std::span<TSkier> tie, Random& random) {
  bool drew = false;
  for (const TSkier& s : tie) {
    TieName name = NameOf(s);
    if (PlaceOf(order, name) < order.size()) continue;
    const std::vector<std::size_t> drawn = PlacesDrawn(order, tie);
    std::size_t at = order.size();
    if (!drawn.empty()) {
      const auto slot = static_cast<std::size_t>(random.Draw(static_cast<int>(drawn.size()) + 1));
      at = slot < drawn.size() ? drawn[slot] : drawn.back() + 1;
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), std::move(name));
    drew = true;
  }
  ApplyTieOrder(order, tie);
  return drew;
}

void ApplyTieOrder(const std::vector<TieName>& order, std::span<TSkier> tie) {
  std::vector<std::pair<std::size_t, TSkier>> ranked;
  ranked.reserve(tie.size());
  for (const TSkier& s : tie) ranked.emplace_back(PlaceOf(order, NameOf(s)), s);
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < ranked.size(); ++i) tie[i] = ranked[i].second;
}

bool ForgetTieOrders(TieOrders& ties, int division, char event, int fromRound) {
  return std::erase_if(ties.orders, [&](const auto& entry) {
           const TieKey& k = entry.first;
           return k.division == division && k.event == event && k.round >= fromRound;
         }) > 0;
}
