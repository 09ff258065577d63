// Decoding text files to UTF-8 with iconv; a file over the size cap is
// refused, and bytes no code page explains become U+FFFD.
#include "ui/core/TextDecode.h"

#include <iconv.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "ui/core/Utf8.h"

std::optional<std::string> ConvertToUtf8(std::string_view bytes, const std::string& fromCode) {
  iconv_t cd = iconv_open("UTF-8", fromCode.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(bytes.size() * 4 + 16);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        const std::size_t used = static_cast<std::size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        outLeft = out.size() - used;
        continue;
      }
      ok = false;  // EILSEQ or EINVAL: not this code page
      break;
    }
  }
  const std::size_t used = static_cast<std::size_t>(dst - out.data());
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(used);
  return out;
}

std::string DecodeText(std::string_view bytes, const std::string& legacyCodePage) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (utf8::IsValid(bytes)) return std::string(bytes);
  if (!legacyCodePage.empty()) {
    if (auto converted = ConvertToUtf8(bytes, legacyCodePage)) return *converted;
  }
  return utf8::Sanitize(bytes);
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data;
  char buf[65536];
  while (in) {
    in.read(buf, sizeof buf);
    data.append(buf, static_cast<std::size_t>(in.gcount()));
    if (data.size() > maxBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return data;
}
