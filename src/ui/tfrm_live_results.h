#pragma once
// The Live Results dialog: starts and stops the results server of the desktop, on this computer
// only or on the lake's network, and shows the addresses phones can use with a QR code to scan.
// The server goes on when the dialog closes; its keeper belongs to the main window.
#include <functional>
#include <vector>

#include "live/network_addresses.h"
#include "ui/dialog_model.h"
#include "ui/live_results_keeper.h"

class TfrmLiveResults : public DialogModel {
 public:
  using InterfaceLister = std::function<std::vector<InterfaceAddress>()>;
  explicit TfrmLiveResults(LiveResultsKeeper& keeper, InterfaceLister interfaces = InterfaceAddresses);

  Label lblIntro{
      "Phones on the lake's network open the results at the address below, or scan its code. The "
      "page follows every stored score, marked provisional, and updates by itself."};
  RadioGroup rgReach;
  Edit edPort{5, "#####"};
  ListBox lbAddresses;
  ModuleMatrix qrAddress;
  Label lblStatus;
  Button btnStart{"&Start"};
  Button btnStop{"St&op"};
  Button btnClose{"Close"};

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // Starts serving with the choice and port shown, or restarts with them while serving.
  void btnStartClick();
  void btnStopClick();
  // The chosen address is the one the code shows.
  void lbAddressesClick();
  void btnCloseClick() { Close(); }

 private:
  void ShowState();
  void ShowCode();

  LiveResultsKeeper& keeper_;
  InterfaceLister interfaces_;
  std::string problem_;  // why the last start failed
};

inline constexpr int kReachThisComputer = 0;
inline constexpr int kReachLakeNetwork = 1;
