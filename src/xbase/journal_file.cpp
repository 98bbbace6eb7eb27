// Encoding and decoding of save journals.
#include "xbase/journal_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace xbase {

namespace {

constexpr std::string_view kMagic("PALUNDA-JOURNAL\x1a", 16);
constexpr uint32_t kFormat = 1;
constexpr size_t kHeaderSize = kMagic.size() + 4 * 4;

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutInt(std::string* out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutText(std::string* out, std::string_view text) {
  PutInt(out, text.size(), 2);
  out->append(text);
}

// Reads the body front to back; any read past its end leaves it failed.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool failed() const { return failed_; }
  bool done() const { return at_ == bytes_.size(); }

  uint64_t Int(int bytes) {
    if (!Has(static_cast<size_t>(bytes))) return 0;
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= uint64_t{static_cast<uint8_t>(bytes_[at_ + static_cast<size_t>(i)])} << (8 * i);
    at_ += static_cast<size_t>(bytes);
    return value;
  }
  std::string Bytes(size_t size) {
    if (!Has(size)) return std::string();
    std::string out(bytes_.substr(at_, size));
    at_ += size;
    return out;
  }
  std::string Text() { return Bytes(static_cast<size_t>(Int(2))); }

 private:
  bool Has(size_t size) {
    if (failed_ || bytes_.size() - at_ < size) failed_ = true;
    return !failed_;
  }
  std::string_view bytes_;
  size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace

bool LockJournalFile(int fd, const std::string& path) {
  struct flock fl;
  std::memset(&fl, 0, sizeof fl);
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  while (::fcntl(fd, F_OFD_SETLK, &fl) != 0) {
    if (errno != EINTR) return false;
  }
  struct stat mine, named;
  return ::fstat(fd, &mine) == 0 && ::stat(path.c_str(), &named) == 0 && mine.st_ino == named.st_ino &&
         mine.st_dev == named.st_dev;
}

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  uint32_t c = 0xFFFFFFFFu;
  for (char b : bytes) c = table[(c ^ static_cast<uint8_t>(b)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string EncodeJournal(const JournalContents& contents) {
  std::string body;
  PutText(&body, contents.host);
  PutInt(&body, contents.pid, 4);
  PutInt(&body, contents.files.size(), 4);
  for (const JournaledFile& file : contents.files) {
    PutText(&body, file.name);
    PutInt(&body, file.old_length, 8);
    PutInt(&body, file.new_length, 8);
    PutInt(&body, file.images.size(), 4);
    for (const BeforeImage& image : file.images) {
      PutInt(&body, image.offset, 8);
      PutInt(&body, image.bytes.size(), 4);
      body.append(image.bytes);
    }
  }
  std::string out(kMagic);
  PutInt(&out, kFormat, 4);
  PutInt(&out, body.size(), 4);
  PutInt(&out, Crc32(body), 4);
  PutInt(&out, Crc32(out), 4);
  return out + body;
}

Status DecodeJournal(std::string_view bytes, JournalContents* contents) {
  const auto torn = [] { return Status::Corruption("save journal", "incomplete or torn"); };
  if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic) return torn();
  Reader header(bytes.substr(kMagic.size(), kHeaderSize - kMagic.size()));
  const uint64_t format = header.Int(4);
  const uint64_t body_size = header.Int(4);
  const uint64_t body_crc = header.Int(4);
  const uint64_t header_crc = header.Int(4);
  if (header_crc != Crc32(bytes.substr(0, kHeaderSize - 4))) return torn();
  if (format != kFormat) return Status::Corruption("save journal", "format " + std::to_string(format) + " unknown");
  if (bytes.size() - kHeaderSize != body_size) return torn();
  const std::string_view body = bytes.substr(kHeaderSize);
  if (Crc32(body) != body_crc) return torn();

  Reader in(body);
  JournalContents decoded;
  decoded.host = in.Text();
  decoded.pid = static_cast<uint32_t>(in.Int(4));
  const uint64_t files = in.Int(4);
  for (uint64_t f = 0; f < files && !in.failed(); ++f) {
    JournaledFile file;
    file.name = in.Text();
    file.old_length = in.Int(8);
    file.new_length = in.Int(8);
    const uint64_t images = in.Int(4);
    for (uint64_t i = 0; i < images && !in.failed(); ++i) {
      BeforeImage image;
      image.offset = in.Int(8);
      image.bytes = in.Bytes(static_cast<size_t>(in.Int(4)));
      file.images.push_back(std::move(image));
    }
    decoded.files.push_back(std::move(file));
  }
  if (in.failed() || !in.done()) return Status::Corruption("save journal", "checksum matches but the contents do not parse");
  *contents = std::move(decoded);
  return Status::OK();
}

}  // namespace xbase
