#include "ui/tfrm_live_results.h"

#include <cstdio>

#include "live/qr_code.h"

namespace {

constexpr const char* kEveryNetwork = "0.0.0.0";
constexpr const char* kThisComputer = "127.0.0.1";

std::string ClockTime(const DateTime& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", d.hour, d.minute, d.second);
  return text;
}

// A port from the edit, or 0 when it is none a server could listen on.
int PortOf(const std::string& text) {
  if (text.empty() || text.size() > 5) return 0;
  int port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    port = port * 10 + (c - '0');
  }
  return port <= 65535 ? port : 0;
}

}  // namespace

TfrmLiveResults::TfrmLiveResults(LiveResultsKeeper& keeper, InterfaceLister interfaces)
    : DialogModel("Live Results"), keeper_(keeper), interfaces_(std::move(interfaces)) {
  rgReach.items = {"&This computer only", "The &lake's network"};
}

void TfrmLiveResults::Describe(FormLayout& form) {
  form.AddLabel(lblIntro)
      .Name("lblIntro")
      .BeginGroup("Server")
      .AddRadio("Who can open the page", rgReach)
      .Name("rgReach")
      .AddEdit("&Port:", edPort)
      .Name("edPort")
      .EndGroup()
      .BeginGroup("Addresses phones can use")
      .AddList(
          "", lbAddresses, [this] { lbAddressesClick(); }, {}, 3)
      .Name("lbAddresses")
      .Width(28)
      .EndGroup()
      .AddLabel(lblStatus)
      .Name("lblStatus")
      .NewColumn()
      .BeginGroup("Scan with a phone")
      // Room for the code of the longest address ("http://255.255.255.255:65535/").
      .AddMatrix("", qrAddress, 6, 37)
      .Name("qrAddress")
      .EndGroup()
      .AddButton(
          btnStart, [this] { btnStartClick(); }, ButtonRole::Accept)
      .Name("btnStart")
      .AddButton(
          btnStop, [this] { btnStopClick(); }, ButtonRole::Other)
      .Name("btnStop")
      .AddButton(
          btnClose, [this] { btnCloseClick(); }, ButtonRole::Reject)
      .Name("btnClose");
}

void TfrmLiveResults::FormShow() {
  // Until the scorer chose otherwise, the dialog is there for the phones at the lake.
  const LiveServer::Options& o = keeper_.options();
  rgReach.itemIndex =
      keeper_.everStarted() && o.address == kThisComputer ? kReachThisComputer : kReachLakeNetwork;
  edPort.text = std::to_string(keeper_.Running() ? keeper_.Port() : o.port);
  problem_.clear();
  ShowState();
}

void TfrmLiveResults::btnStartClick() {
  problem_.clear();
  const int port = PortOf(edPort.text);
  if (port == 0) {
    problem_ = "Not started: the port must be a number from 1 to 65535.";
    ShowState();
    return;
  }
  LiveServer::Options options;
  options.address = rgReach.itemIndex == kReachThisComputer ? kThisComputer : kEveryNetwork;
  options.port = port;
  std::string error;
  if (!keeper_.Start(options, error)) problem_ = "Not started: " + error;
  ShowState();
}

void TfrmLiveResults::btnStopClick() {
  keeper_.Stop();
  problem_.clear();
  ShowState();
}

void TfrmLiveResults::lbAddressesClick() { ShowCode(); }

void TfrmLiveResults::ShowState() {
  const bool running = keeper_.Running();
  lbAddresses.Clear();
  if (running) {
    const int port = keeper_.Port();
    if (keeper_.options().address == kThisComputer)
      lbAddresses.items = {AddressUrl(kThisComputer, port)};
    else
      lbAddresses.items = PhoneAddresses(interfaces_(), port);
    if (!lbAddresses.items.empty()) lbAddresses.itemIndex = 0;
  }
  btnStart.caption = running ? "Re&start" : "&Start";
  btnStop.enabled = running;
  if (!problem_.empty())
    lblStatus.caption = problem_;
  else if (!running)
    lblStatus.caption = "Stopped";
  else if (keeper_.options().address == kThisComputer)
    lblStatus.caption = "Serving since " + ClockTime(keeper_.since()) + ", to this computer only.";
  else if (lbAddresses.items.empty())
    lblStatus.caption = "Serving since " + ClockTime(keeper_.since()) +
                        ", but this computer is on no network: join the lake's network to reach the phones.";
  else
    lblStatus.caption = "Serving since " + ClockTime(keeper_.since()) + " on the lake's network.";
  ShowCode();
}

void TfrmLiveResults::ShowCode() {
  // A phone cannot reach this computer's own loopback address, so there is nothing for it to scan.
  const bool reachable = keeper_.Running() && keeper_.options().address != kThisComputer;
  const std::string url = reachable ? lbAddresses.current() : std::string();
  const QrCode code = MakeQrCode(url);
  qrAddress.size = code.size;
  qrAddress.dark = code.dark;
  qrAddress.text = url;
}
