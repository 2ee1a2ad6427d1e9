// kinloom-gentree: writes a synthetic family tree, identical for identical arguments.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "family_model.h"
#include "foreign_writer.h"
#include "line_sink.h"
#include "name_pool.h"
#include "options.h"
#include "own_writer.h"
#include "record_details.h"

namespace kinloom::gentree {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitUsage = 1;
constexpr int kExitCannotWrite = 3;

// The name the own header records: the output's base name with the extension ".ged".
std::string RecordedFileName(const std::string& out_path) {
  return std::filesystem::path(out_path).stem().string() + ".ged";
}

// A failed write leaves no truncated tree behind; devices and other special files are left alone.
void RemovePartialOutput(const std::string& out_path) {
  std::error_code error;
  if (std::filesystem::is_regular_file(out_path, error)) std::filesystem::remove(out_path, error);
}

void WriteTree(const Options& options, const GeneratorContext& context, LineSink& sink) {
  if (options.format == OutputFormat::kOwn) {
    WriteOwnFile(context, RecordedFileName(options.out_path), sink);
    return;
  }
  if (options.byte_order_mark) sink.Raw("\xEF\xBB\xBF");
  WriteForeignFile(context, options.encoding, sink);
}

int Generate(const Options& options) {
  FamilyModel model =
      BuildFamilyModel(options.seed, options.individuals, static_cast<int>(Surnames().size()));
  GeneratorContext context{options.seed, &model, SourceCountFor(options.individuals)};
  std::FILE* file = std::fopen(options.out_path.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "kinloom-gentree: cannot write %s\n", options.out_path.c_str());
    return kExitCannotWrite;
  }
  LineSink sink(file, options.encoding);
  WriteTree(options, context, sink);
  bool written = sink.Finish();
  written = std::fclose(file) == 0 && written;
  if (!written) {
    std::fprintf(stderr, "kinloom-gentree: writing %s failed\n", options.out_path.c_str());
    RemovePartialOutput(options.out_path);
    return kExitCannotWrite;
  }
  return kExitSuccess;
}

int Run(int argc, char** argv) {
  Options options;
  std::string error = ParseOptions(argc, argv, &options);
  if (!error.empty()) {
    std::fprintf(stderr, "kinloom-gentree: %s\n%s", error.c_str(), UsageText());
    return kExitUsage;
  }
  if (options.show_help) {
    std::fputs(UsageText(), stdout);
    return kExitSuccess;
  }
  return Generate(options);
}

}  // namespace
}  // namespace kinloom::gentree

int main(int argc, char** argv) {
  return kinloom::gentree::Run(argc, argv);
}
