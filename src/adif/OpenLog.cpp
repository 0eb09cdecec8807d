#include "adif/OpenLog.h"

namespace tavrilon::adif {

OpenedLog OpenLog(AdifInput& input, const std::filesystem::path& log, LogHeader header) {
  OpenedLog opened;
  if (!AdifInput::LogFileExists(log)) {
    opened.missing = true;
    return opened;
  }
  opened.status = input.Open(log);
  if (opened.status.Ok()) {
    switch (header) {
      case LogHeader::Labels:
        opened.status = input.StartAdifInput();
        break;
      case LogHeader::Logbook:
        opened.status = input.SkipToFirstRecord();
        break;
      case LogHeader::Later:
        break;
    }
  }
  if (!opened.status.Ok()) {
    input.Close();
  }
  return opened;
}

}  // namespace tavrilon::adif
