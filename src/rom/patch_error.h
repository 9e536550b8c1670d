#pragma once

#include <stdexcept>

namespace tikaroo {

// A patch that cannot be made or applied; the text says why.
class PatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace patch_errors {
inline constexpr const char* kNotIps = "Not an IPS patch";
inline constexpr const char* kIpsCorrupt = "IPS patch corrupt";
inline constexpr const char* kTooLargeForIps = "Files of 16 MiB or more cannot be patched by IPS";
inline constexpr const char* kNotBps = "Not a BPS patch";
inline constexpr const char* kBpsCorrupt = "BPS patch corrupt";
inline constexpr const char* kTooLargeForBps = "Files of more than 16 MiB are not patched";
inline constexpr const char* kOtherSource = "The patch was made for another original file";
inline constexpr const char* kTargetChecksum = "The patched file does not match the patch's checksum";
} // namespace patch_errors

} // namespace tikaroo
