// SPDX-License-Identifier: MIT
// The piecewise part of GB18030 decoding, the same on every system: a
// character cut by the end of one piece waits for the next. Each system's
// file decodes the whole sequences (Run).
#include <string>
#include <string_view>

#include "units/platform_file.h"

namespace vek::units::platform {

void Gb18030Decoder::Feed(std::string_view bytes, std::string& out) {
    if (pending_.empty())
        return Run(bytes, false, out);
    std::string joined = std::move(pending_);
    pending_.clear();
    joined.append(bytes);
    Run(joined, false, out);
}

void Gb18030Decoder::Finish(std::string& out) {
    std::string rest = std::move(pending_);
    pending_.clear();
    Run(rest, true, out);
}

std::string Gb18030ToUtf8(std::string_view bytes) {
    std::string out;
    Gb18030Decoder decoder;
    decoder.Feed(bytes, out);
    decoder.Finish(out);
    return out;
}

}  // namespace vek::units::platform
