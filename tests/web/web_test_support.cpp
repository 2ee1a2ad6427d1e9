#include "web_test_support.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "support/test_support.h"

namespace kinloom::web::testing {

std::vector<std::string> FamilyLines() {
  // clang-format off
  return {
      "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M", "1 BIRT", "2 DATE 1850",
          "2 PLAC Leeds", "1 DEAT", "2 DATE 1920", "1 FAMS @F000001@", "1 OCCU Farmer",
          "1 SSN 123-45-6789", "1 RESI", "2 PLAC 4 Mill Lane", "1 PHON 555-0100",
          "1 MAIL john@example.org", "1 SOUR @S000001@", "2 PAGE p. 5",
          "1 NOTE Farmed all his life.", "2 CONT Second line.",
      "0 @I000002@ INDI", "1 NAME Mary /Jones/", "1 SEX F", "1 BIRT", "2 DATE 1855", "1 DEAT",
          "2 DATE 1930", "1 FAMS @F000001@",
      "0 @I000003@ INDI", "1 NAME Lena /Smith/", "1 SEX F", "1 BIRT", "2 DATE 1990",
          "1 FAMC @F000001@",
      "0 @I000004@ INDI", "1 NAME Zed /Secret/", "1 SEX M", "1 BIRT", "2 DATE 1860", "1 DEAT",
          "2 DATE 1940", "1 FAMC @F000001@",
      "0 @I000005@ INDI", "1 NAME " + std::string(kHostileName) + " /Smith/", "1 SEX U",
          "1 BIRT", "2 DATE 1870", "2 PLAC " + std::string(kHostilePlace), "1 DEAT",
          "2 DATE 1950", "1 FAMC @F000001@", "2 PEDI Adopted", "1 NOTE " + std::string(kHostileNote),
      "0 @F000001@ FAM", "1 HUSB @I000001@", "1 WIFE @I000002@", "1 CHIL @I000003@",
          "1 CHIL @I000004@", "1 CHIL @I000005@", "1 MARR", "2 DATE 1875", "2 PLAC York",
      "0 @S000001@ SOUR", "1 TITL Parish <Register>", "1 AUTH Vicar & Sons",
      "0 @S000002@ SOUR", "1 TITL Uncited Source"};
  // clang-format on
}

std::vector<std::string> PeopleLines(int count) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(count) * 3);
  char xref[32];
  for (int n = 1; n <= count; ++n) {
    std::snprintf(xref, sizeof xref, "0 @I%06d@ INDI", n);
    lines.emplace_back(xref);
    lines.push_back("1 NAME P" + std::to_string(n) + " /Test/");
    lines.emplace_back("1 DEAT");
  }
  return lines;
}

SiteFixture::SiteFixture() {
  folders.web_root = dir.path() + "/web";
  folders.out_folder = folders.web_root;
  folders.media_folder = dir.path() + "/media";
  folders.image_folder = dir.path() + "/image";
  folders.script_folder = std::string(KINLOOM_SOURCE_DIR) + "/system/web/php";
  for (const std::string& folder :
       {folders.web_root, folders.media_folder, folders.image_folder, folders.web_root + "/sys"}) {
    std::filesystem::create_directories(folder);
  }
  settings.copyright_owner = "Smith";
  settings.copyright_year = "2026";
}

void SiteFixture::LoadFamily() {
  kinloom::testing::LoadOwnTree(tree, FamilyLines());
  tree.store.individual(kZed)->hideFlags = store::kHideEverything;
}

WebPagesResult SiteFixture::Make(files::WebSiteType type, WebPagesOptions options) {
  options.site_type = type;
  return MakeWebPages(tree.store, settings, albums, folders, options, tree.ui);
}

std::map<std::string, std::string> SiteFixture::Files(const std::string& site) const {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(site)) {
    if (!entry.is_regular_file()) continue;
    files[std::filesystem::relative(entry.path(), site).string()] =
        kinloom::testing::ReadFileBytes(entry.path().string());
  }
  return files;
}

bool HaveTool(const std::string& name) {
  std::string ignored;
  return RunTool("command -v " + name, &ignored) == 0;
}

int RunTool(const std::string& command, std::string* output) {
  output->clear();
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return -1;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output->append(buffer, n);
  const int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

int FreePort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

int Connect(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

PhpServer::PhpServer(const std::string& folder) {
  const int port = FreePort();
  if (port == 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    const std::string listen = "127.0.0.1:" + std::to_string(port);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    ::execlp("php", "php", "-S", listen.c_str(), "-t", folder.c_str(), nullptr);
    ::_exit(127);
  }
  for (int attempt = 0; attempt < 100 && pid_ > 0; ++attempt) {
    int fd = Connect(port);
    if (fd >= 0) {
      ::close(fd);
      port_ = port;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

PhpServer::~PhpServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

int PhpServer::Get(const std::string& path, std::string* body) const {
  body->clear();
  int fd = Connect(port_);
  if (fd < 0) return -1;
  const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
  if (::send(fd, request.data(), request.size(), 0) < 0) {
    ::close(fd);
    return -1;
  }
  std::string response;
  char buffer[8192];
  ssize_t n;
  while ((n = ::recv(fd, buffer, sizeof buffer, 0)) > 0) {
    response.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  const size_t blank = response.find("\r\n\r\n");
  if (response.size() < 12 || blank == std::string::npos) return -1;
  *body = response.substr(blank + 4);
  return std::atoi(response.c_str() + 9);
}

}  // namespace kinloom::web::testing
