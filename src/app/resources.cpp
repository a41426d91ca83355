#include "app/resources.h"

#include <QtGlobal>

void InitTallivarResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(tallivar);
    return true;
  }();
  (void)registered;
}
