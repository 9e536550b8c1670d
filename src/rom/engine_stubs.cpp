#include "engine_stubs.h"

namespace tikaroo {

void WriteStubBlock(CGameImage& image) {
    for (std::size_t i = 0; i < kEngineStubBlock.size(); ++i)
        image.Write8(static_cast<std::uint32_t>(kStubBlockStart + i), kEngineStubBlock[i]);
}

void WriteInterruptVectors(CGameImage& image) {
    for (const VectorEntry& vector : kInterruptVectors) image.Write16(vector.address, vector.handler);
}

int CGameImage::InstallEngineStubs() {
    if (loaded == 0) return 0;
    WriteStubBlock(*this);
    WriteInterruptVectors(*this);
    return 1;
}

} // namespace tikaroo
