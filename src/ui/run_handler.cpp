#include "ui/run_handler.h"

#include <exception>

#include "core/errors.h"

bool RunHandler(Prompter& prompt, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const ConversionError& e) {
    prompt.Ask(e.what(), "Error", Buttons::Ok);
  } catch (const IoError& e) {
    prompt.Ask(e.what(), "Error", Buttons::Ok);
  } catch (const std::exception& e) {
    prompt.Ask(std::string("Unexpected error: ") + e.what(), "Error", Buttons::Ok);
  }
  return false;
}
