#include "batch/BatchTestSupport.h"

#include <sys/wait.h>

#include <cstdlib>

namespace tavrilon::test {

BatchFolder::BatchFolder() {
  namespace fs = std::filesystem;
  fs::copy_file(BinFolder() / "tavrilon-batch", dir_ / "tavrilon-batch");
  fs::copy_file(ShippedDictionary(), dir_ / "tvadif.txt");
}

BatchRun BatchFolder::Run(const std::string& args) const {
  // A run that hangs (a FIFO opened for reading) fails the test instead.
  const std::string command = "cd '" + dir_.path().string() + "' && timeout 120 ./tavrilon-batch " +
                              args + " > stdout.txt 2> stderr.txt";
  BatchRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(dir_ / "stdout.txt");
  run.err = ReadFile(dir_ / "stderr.txt");
  return run;
}

}  // namespace tavrilon::test
