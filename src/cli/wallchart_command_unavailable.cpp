// The command-line tool built without Qt draws no wall charts.
#include "cli/commands.h"
#include "cli/wallchart_command.h"

namespace kinloom::cli {

int WallChart(Context& c, const std::vector<std::string>&) {
  c.err << "kinloom-cli: this build draws no wall charts (it was made without Qt)\n";
  return kExitUsage;
}

}  // namespace kinloom::cli
