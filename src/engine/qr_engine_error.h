#pragma once

namespace vostrel {

// Why the engine made no matrix. None carries text for the user: callers show their own message.
enum class QREngineError {
    invalidPayload,    // empty, or not representable as UTF-8
    generationFailed,  // the data does not fit any symbol version at the requested level
    renderFailed,      // the symbol could not be turned into a matrix
};

}  // namespace vostrel
