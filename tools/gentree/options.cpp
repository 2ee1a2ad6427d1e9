#include "options.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "family_model.h"

namespace kinloom::gentree {
namespace {

// The command line as given, before the checks that involve several flags.
struct RawOptions {
  std::optional<int64_t> individuals;
  std::optional<uint64_t> seed;
  std::string_view format = "own";
  std::optional<std::string_view> charset;
  bool byte_order_mark = false;
  std::string out_path;
  bool show_help = false;
};

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string ParseFlag(std::string_view flag, std::string_view value, RawOptions* raw) {
  if (flag == "--individuals") {
    raw->individuals = ParseNumber<int64_t>(value);
    if (!raw->individuals) return "--individuals needs a whole number";
  } else if (flag == "--seed") {
    raw->seed = ParseNumber<uint64_t>(value);
    if (!raw->seed) return "--seed needs a non-negative whole number";
  } else if (flag == "--format") {
    raw->format = value;
  } else if (flag == "--charset") {
    raw->charset = value;
  } else if (flag == "--out") {
    raw->out_path = std::string(value);
  } else {
    return "unknown option " + std::string(flag);
  }
  return {};
}

std::string ReadCommandLine(int argc, char** argv, RawOptions* raw) {
  for (int index = 1; index < argc; ++index) {
    std::string_view flag = argv[index];
    if (flag == "--help" || flag == "-h") {
      raw->show_help = true;
    } else if (flag == "--bom") {
      raw->byte_order_mark = true;
    } else if (index + 1 >= argc) {
      return std::string(flag) + " needs a value";
    } else if (std::string error = ParseFlag(flag, argv[++index], raw); !error.empty()) {
      return error;
    }
  }
  return {};
}

std::optional<TextEncoding> EncodingNamed(std::string_view name) {
  if (name == "utf8") return TextEncoding::kUtf8;
  if (name == "ansel") return TextEncoding::kAnsel;
  if (name == "ansi") return TextEncoding::kWindows1252;
  return std::nullopt;
}

std::string ChooseFormat(const RawOptions& raw, Options* options) {
  if (raw.format == "own") {
    options->format = OutputFormat::kOwn;
    if (raw.charset && *raw.charset != "ansi") return "the own format is always written as ansi";
    if (raw.byte_order_mark) return "--bom applies to --format foreign --charset utf8 only";
    options->encoding = TextEncoding::kWindows1252;
    return {};
  }
  if (raw.format != "foreign") return "--format must be own or foreign";
  options->format = OutputFormat::kForeign;
  std::optional<TextEncoding> encoding = EncodingNamed(raw.charset.value_or("utf8"));
  if (!encoding) return "--charset must be utf8, ansel or ansi";
  if (raw.byte_order_mark && *encoding != TextEncoding::kUtf8) {
    return "--bom applies to --format foreign --charset utf8 only";
  }
  options->encoding = *encoding;
  options->byte_order_mark = raw.byte_order_mark;
  return {};
}

std::string CheckRequired(const RawOptions& raw, Options* options) {
  if (!raw.individuals) return "--individuals is required";
  if (*raw.individuals < 1 || *raw.individuals > kMaxRecordsPerKind) {
    return "--individuals must be between 1 and " + std::to_string(kMaxRecordsPerKind);
  }
  if (raw.out_path.empty()) return "--out is required";
  options->individuals = static_cast<int32_t>(*raw.individuals);
  options->seed = raw.seed.value_or(1);
  options->out_path = raw.out_path;
  return {};
}

}  // namespace

std::string ParseOptions(int argc, char** argv, Options* options) {
  RawOptions raw;
  if (std::string error = ReadCommandLine(argc, argv, &raw); !error.empty()) return error;
  options->show_help = raw.show_help;
  if (raw.show_help) return {};
  if (std::string error = CheckRequired(raw, options); !error.empty()) return error;
  return ChooseFormat(raw, options);
}

const char* UsageText() {
  return "usage: kinloom-gentree --individuals N [--seed S] [--format own|foreign]\n"
         "                       [--charset utf8|ansel|ansi] [--bom] --out FILE\n"
         "\n"
         "Writes a synthetic family tree of exactly N people (1..999999). The same seed\n"
         "always gives the same bytes. Defaults: --seed 1, --format own; the foreign\n"
         "format defaults to --charset utf8, and --bom starts it with a UTF-8 byte order\n"
         "mark. The own format is always Windows-1252 (ansi).\n"
         "\n"
         "Exit status: 0 written, 1 usage error, 3 the file could not be written.\n";
}

}  // namespace kinloom::gentree
