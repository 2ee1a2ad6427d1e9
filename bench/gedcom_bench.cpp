// Reads and writes a large own-format tree and compares against a floor: reading the same
// file and splitting it into lines held in memory. Each measurement runs in its own child
// process so that its peak memory is its own.
//
//   kinloom-bench-gedcom TREE.ged OUT.ged [--import]
//
// With --import the read is the whole import of a file from another program: the reader, the
// clean-up passes, the character conversion, the link check, the chart caches and the search
// lists.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "store/gedcom_reader.h"
#include "store/gedcom_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Measure {
  double seconds = 0;
  long peak_kib = 0;
  bool ok = false;
};

// Runs `work` in a child process; the child reports the seconds of the timed part.
Measure InChild(const std::function<double()>& work) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    double seconds = work();
    ssize_t written = write(fds[1], &seconds, sizeof seconds);
    _exit(written == sizeof seconds ? 0 : 1);
  }
  close(fds[1]);
  Measure m;
  ssize_t got = read(fds[0], &m.seconds, sizeof m.seconds);
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  m.peak_kib = usage.ru_maxrss;
  m.ok = got == sizeof m.seconds && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return m;
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Floor(const std::string& path) {
  auto start = Clock::now();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::string bytes;
  std::vector<char> block(1 << 20);
  size_t n;
  while ((n = std::fread(block.data(), 1, block.size(), f)) > 0) bytes.append(block.data(), n);
  std::fclose(f);
  std::vector<std::string_view> lines;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    size_t stop = end > at && bytes[end - 1] == '\r' ? end - 1 : end;
    lines.emplace_back(bytes.data() + at, stop - at);
    at = end + 1;
  }
  double seconds = Since(start);
  std::fprintf(stderr, "floor: %zu lines\n", lines.size());
  return seconds;
}

// Reads the tree; the number of lines the import listed as dropped or rewritten goes to
// *listed.
bool ReadInto(kinloom::store::RecordStore& tree, const std::string& path, bool import,
              size_t* listed = nullptr) {
  kinloom::store::ReadResult result;
  if (!import) {
    result = kinloom::store::ReadTree(tree, path, false);
  } else {
    kinloom::reports::LinkCheckSession session;
    result = kinloom::reports::ReadTreeChecked(tree, path, false, session).read;
  }
  if (listed != nullptr) *listed = result.dropped.size();
  return result.outcome == kinloom::store::ReadOutcome::kRead;
}

double Read(const std::string& path, bool import) {
  kinloom::platform::HeadlessInteraction ui;
  kinloom::store::RecordStore tree(ui);
  auto start = Clock::now();
  size_t listed = 0;
  bool ok = ReadInto(tree, path, import, &listed);
  double seconds = Since(start);
  if (!ok) _exit(2);
  std::fprintf(stderr, "listed: %zu lines dropped or rewritten\n", listed);
  return seconds;
}

// Reads untimed, then times the write.
double Write(const std::string& path, const std::string& out, bool import) {
  kinloom::platform::HeadlessInteraction ui;
  kinloom::store::RecordStore tree(ui);
  if (!ReadInto(tree, path, import)) _exit(2);
  kinloom::platform::LocalFileSystem fs;
  auto start = Clock::now();
  kinloom::Status s = kinloom::store::WriteTree(tree, out, kinloom::store::WriteMode::kNormal, fs);
  double seconds = Since(start);
  if (!s.ok()) _exit(3);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const bool import = argc == 4 && std::string(argv[3]) == "--import";
  if (argc != 3 && !import) {
    std::fprintf(stderr, "usage: kinloom-bench-gedcom TREE.ged OUT.ged [--import]\n");
    return 1;
  }
  const std::string path = argv[1], out = argv[2];
  const double mib = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
  Measure floor = InChild([&] { return Floor(path); });
  Measure read = InChild([&] { return Read(path, import); });
  Measure write = InChild([&] { return Write(path, out, import); });
  if (!floor.ok || !read.ok || !write.ok) {
    std::fprintf(stderr, "a measurement failed\n");
    return 2;
  }
  std::printf("file:            %.1f MiB\n", mib);
  std::printf("floor (split):   %.3f s   peak %.1f MiB\n", floor.seconds, floor.peak_kib / 1024.0);
  std::printf("%s %.3f s   %.2fx floor (target <= %s)\n",
              import ? "whole import:   " : "read into store:", read.seconds,
              read.seconds / floor.seconds, import ? "5x" : "3x");
  std::printf("write:           %.3f s   %.2fx floor (target <= 2x)\n", write.seconds,
              write.seconds / floor.seconds);
  std::printf(
      "peak memory:     read %.1f MiB = %.2fx file; read+write %.1f MiB = %.2fx file "
      "(target <= %s)\n",
      read.peak_kib / 1024.0, read.peak_kib / 1024.0 / mib, write.peak_kib / 1024.0,
      write.peak_kib / 1024.0 / mib, import ? "3x" : "2.5x");
  return 0;
}
