#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "opengl/renderer.h"
#include "util/message_log.h"
#include "util/text_string.h"

namespace {

const char vertexMarker[] = "[Vertex shader]";
const char fragmentMarker[] = "[Fragment shader]";

// The whole file in a malloc'ed block ending in a NUL; null when it cannot be read.
char* readWholeFile(const char* fileName) {
    FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    char* text = nullptr;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long size = std::ftell(file);
        if (size >= 0 && std::fseek(file, 0, SEEK_SET) == 0) {
            text = static_cast<char*>(std::malloc(static_cast<size_t>(size) + 1));
            if (text != nullptr) {
                size_t got = std::fread(text, 1, static_cast<size_t>(size), file);
                text[got] = '\0';
            }
        }
    }
    std::fclose(file);
    return text;
}

int countLineFeeds(const char* begin, const char* end) {
    int count = 0;
    for (const char* c = begin; c < end; ++c) {
        count += *c == '\n';
    }
    return count;
}

// extraText, the line directive naming the section's first line as the file counts it, then the section.
void buildSource(String& source, const char* file, const char* section, const char* extraText) {
    if (extraText != nullptr) {
        source.append(extraText);
    }
    appendFormat(source, "#line %d\n", countLineFeeds(file, section));
    source.append(section);
}

} // namespace

ShaderID Renderer::loadShader(const char* fileName, const char* extraText) {
    char* file = readWholeFile(fileName);
    if (file == nullptr) {
        String line("Couldn't load \"");
        line.append(fileName);
        line.append("\"");
        logMessage(line.getText());
        return -1;
    }

    // Both are found before either is cut, so the first cut cannot hide the second marker.
    char* vertexStart = std::strstr(file, vertexMarker);
    char* fragmentStart = std::strstr(file, fragmentMarker);
    // Line counts are taken before the cuts put NULs into the text (they change no line feeds).
    String vertexSource;
    String fragmentSource;
    if (vertexStart != nullptr) {
        *vertexStart = '\0';
    }
    if (fragmentStart != nullptr) {
        *fragmentStart = '\0';
    }
    if (vertexStart != nullptr) {
        buildSource(vertexSource, file, vertexStart + sizeof(vertexMarker) - 1, extraText);
    }
    if (fragmentStart != nullptr) {
        buildSource(fragmentSource, file, fragmentStart + sizeof(fragmentMarker) - 1, extraText);
    }

    ShaderEntry entry;
    bool created = createShader(entry, vertexStart != nullptr ? vertexSource.getText() : nullptr,
                                fragmentStart != nullptr ? fragmentSource.getText() : nullptr);
    std::free(file);
    return created ? insertShader(entry) : -1;
}
