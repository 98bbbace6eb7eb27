// A private CUPS daemon with test printers for the printing tests.
#include "support/private_cupsd.h"

#include <cups/cups.h>
#include <grp.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace support {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kCopyFilter = "/usr/lib/cups/filter/gziptoany";

// A printer description whose only filter copies PDF documents unchanged to the device.
constexpr const char* kPdfPassThroughPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFFILE.PPD"
*Manufacturer: "Test"
*Product: "(PDF File)"
*ModelName: "PDF File"
*ShortNickName: "PDF File"
*NickName: "PDF File"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 gziptoany"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Legal
*PageSize Legal/Legal: "<</PageSize[612 1008]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Legal
*ImageableArea Legal/Legal: "0 0 612 1008"
*DefaultPaperDimension: Legal
*PaperDimension Legal/Legal: "612 1008"
)ppd";

}  // namespace

PrivateCupsd::~PrivateCupsd() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  std::error_code ignored;
  if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

bool PrivateCupsd::Start(const std::vector<TestPrinter>& printers, std::string* why) {
  if (access(kCupsd, X_OK) != 0) return *why = std::string(kCupsd) + " is not installed (package cups-daemon)", false;
  if (access(kCopyFilter, X_OK) != 0) return *why = std::string(kCopyFilter) + " is missing (package cups-core-drivers)", false;
  char folder[] = "/tmp/palunda-cupsd-XXXXXX";
  if (mkdtemp(folder) == nullptr) return *why = "no temporary folder", false;
  folder_ = folder;
  // The filters run as another user and must reach the spool below this folder.
  chmod(folder, 0755);
  for (const char* sub : {"conf/ppd", "spool", "cache", "state", "log"}) fs::create_directories(folder_ + "/" + sub);
  const group* own_group = getgrgid(getgid());
  std::ofstream(folder_ + "/conf/cups-files.conf")
      << "ServerRoot " << folder_ << "/conf\nRequestRoot " << folder_ << "/spool\nCacheDir " << folder_
      << "/cache\nStateDir " << folder_ << "/state\nTempDir " << folder_ << "/spool\nErrorLog " << folder_
      << "/log/error_log\nAccessLog " << folder_ << "/log/access_log\nPageLog " << folder_ << "/log/page_log\n"
      << "Printcap " << folder_ << "/printcap\nFileDevice Yes\nSystemGroup "
      << (own_group != nullptr ? own_group->gr_name : "root") << "\nSandboxing Relaxed\n";
  std::ofstream(folder_ + "/conf/cupsd.conf") << "Listen " << socket()
                                               << "\nLogLevel warn\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\n"
                                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n";
  std::ofstream conf(folder_ + "/conf/printers.conf");
  for (const TestPrinter& printer : printers) {
    const char* tag = printer.is_default ? "DefaultPrinter" : "Printer";
    conf << "<" << tag << " " << printer.name << ">\nDeviceURI file://" << device(printer.name)
         << "\nState Idle\nAccepting " << (printer.accepting ? "Yes" : "No") << "\nShared No\n</" << tag << ">\n";
    if (printer.pdf_filter) std::ofstream(folder_ + "/conf/ppd/" + printer.name + ".ppd") << kPdfPassThroughPpd;
  }
  conf.close();

  std::vector<std::string> args = {kCupsd, "-f", "-c", folder_ + "/conf/cupsd.conf", "-s", folder_ + "/conf/cups-files.conf"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, kCupsd, nullptr, nullptr, argv.data(), environ) != 0) {
    pid_ = -1;
    return *why = "cupsd could not be started", false;
  }
  for (int tries = 0; tries < 200; ++tries) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      std::ifstream log(folder_ + "/log/error_log");
      std::string line, last;
      while (std::getline(log, line)) last = line;
      return *why = "cupsd stopped at once: " + last, false;
    }
    http_t* http = httpConnect2(socket().c_str(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 1000, nullptr);
    if (http != nullptr) {
      httpClose(http);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return *why = "cupsd did not answer within 10 seconds", false;
}

std::string PrivateCupsd::spooled(int job) const {
  char name[32];
  std::snprintf(name, sizeof name, "/spool/d%05d-001", job);
  return folder_ + name;
}

bool PrivateCupsd::WaitForCompletion(const std::string& printer, const std::vector<int>& jobs) const {
  http_t* http = httpConnect2(socket().c_str(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
  if (http == nullptr) return false;
  bool done = false;
  for (int tries = 0; tries < 300 && !done; ++tries) {
    cups_job_t* completed = nullptr;
    const int count = cupsGetJobs2(http, &completed, printer.c_str(), 0, CUPS_WHICHJOBS_COMPLETED);
    std::size_t found = 0;
    for (int job : jobs) {
      for (int i = 0; i < count; ++i) found += completed[i].id == job && completed[i].state == IPP_JSTATE_COMPLETED;
    }
    cupsFreeJobs(count, completed);
    done = found == jobs.size();
    if (!done) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  httpClose(http);
  return done;
}

}  // namespace support
