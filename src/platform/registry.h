// The Windows registry, at the level of the registry functions: keys, typed values, result codes.
#pragma once

#include <cstdint>
#include <string>

namespace horalix::platform {

// Predefined root keys, by their handle values.
enum class RegRoot : std::uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
};

// Value types as the registry numbers them.
namespace regtype {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
}  // namespace regtype

// Result codes of the registry functions that the program looks at.
namespace regresult {
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long AccessDenied = 5;
inline constexpr long InvalidParameter = 87;
inline constexpr long MoreData = 234;
}  // namespace regresult

// A value as stored. For REG_SZ and REG_EXPAND_SZ `data` is the UTF-8 text exactly as stored,
// terminating NUL(s) included; for REG_DWORD it is the 4 bytes, little-endian; otherwise the
// raw bytes.
struct RegData {
  std::uint32_t type = regtype::None;
  std::string data;
  bool operator==(const RegData&) const = default;
};

// A REG_SZ value as the registry functions store a text: the text and one terminating NUL.
inline RegData regSzData(const std::string& text) { return {regtype::Sz, text + '\0'}; }

// A REG_DWORD value: the 4 bytes of the number, little-endian.
inline RegData regDwordData(std::int32_t number) {
  const auto bits = static_cast<std::uint32_t>(number);
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return {regtype::Dword, bytes};
}

// The number of a REG_DWORD value; a value shorter than 4 bytes reads as far as it goes,
// as a 4-byte read buffer that starts zeroed would hold it.
inline std::int32_t regDwordNumber(const RegData& value) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4 && i < value.data.size(); ++i)
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

// Key paths are relative to the root and use "\" as separator; names compare without regard to
// letter case, as the registry does. Every call opens and closes its key: nothing is cached.
class Registry {
 public:
  virtual ~Registry() = default;

  // Creates the key and every missing key along the path.
  virtual long createKey(RegRoot root, const std::string& path) = 0;
  virtual bool keyExists(RegRoot root, const std::string& path) = 0;
  // Deletes the key itself; fails when it has subkeys.
  virtual long deleteKey(RegRoot root, const std::string& path) = 0;

  // Writes a value into an existing key (a missing key is an error, not created).
  virtual long setValue(RegRoot root, const std::string& path, const std::string& name,
                        const RegData& value) = 0;
  // Reads a value; `out` is set only on success.
  virtual long queryValue(RegRoot root, const std::string& path, const std::string& name,
                          RegData& out) = 0;
  virtual long deleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;

  // Fails when the key could not be closed after a read (reported by one reader).
  virtual bool lastCloseFailed() const { return false; }
};

}  // namespace horalix::platform
