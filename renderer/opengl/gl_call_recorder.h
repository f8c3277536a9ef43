#pragma once

// Receives one line of text per interface call the renderer's state cache makes, for example
// "glBlendFunc(0x1, 0x1)": integer arguments in hexadecimal, floats with %g, names in double quotes.
class GLCallRecorder {
public:
    virtual ~GLCallRecorder() = default;
    virtual void record(const char* call) = 0;
};
