#include "framework/app.h"

#include "framework/frame_clock.h"
#include "util/char_class.h"
#include "util/tokenizer.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* tooFewArguments = "Too few arguments";

bool equalsIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; a++, b++) {
        char ca = (*a >= 'A' && *a <= 'Z') ? (char)(*a - 'A' + 'a') : *a;
        char cb = (*b >= 'A' && *b <= 'Z') ? (char)(*b - 'A' + 'a') : *b;
        if (ca != cb)
            return false;
    }
    return *a == *b;
}

// Reads one value that starts with token; a lone minus sign negates the token after it.
bool readValue(Tokenizer& tokens, const char* token, float& value) {
    if (!token)
        return false;
    if (token[0] == '-') {
        token = tokens.next(isIdentifierChar);
        if (!token)
            return false;
        value = -(float)std::atof(token);
        return true;
    }
    value = (float)std::atof(token);
    return true;
}

// The token that begins the next value, skipping one ',' separator.
const char* nextValueToken(Tokenizer& tokens) {
    const char* token = tokens.next(isIdentifierChar);
    if (token && token[0] == ',')
        token = tokens.next(isIdentifierChar);
    return token;
}

// Three values, stored one by one as they are parsed; false after the reply "Too few arguments".
bool readTriple(Tokenizer& tokens, float* a, float* b, float* c, String& reply) {
    float* targets[3] = {a, b, c};
    const char* token = tokens.next(isIdentifierChar);
    for (int i = 0; i < 3; i++) {
        if (i > 0)
            token = nextValueToken(tokens);
        if (!readValue(tokens, token, *targets[i])) {
            reply.assign(tooFewArguments);
            return false;
        }
    }
    return true;
}

// The file name after the command word: the rest of the line without the blank that separates it and
// without its line break. False when the line ends at the command word.
bool fileNameArgument(Tokenizer& tokens, String& name) {
    const char* rest = tokens.nextLine();
    if (!rest)
        return false;
    if (rest[0])
        rest++;
    name.append(rest, (uint32_t)std::strcspn(rest, "\r\n"));
    return true;
}

} // namespace

bool App::processCommand(String& reply) {
    Tokenizer tokens(1);
    tokens.setText(commandLine.getText());
    const char* command = tokens.next(isIdentifierChar);
    if (!command) {
        appendFormat(reply, "No command given");
        return true;
    }

    if (equalsIgnoringCase(command, "pos")) {
        appendFormat(reply, "%g, %g, %g", (double)position.x, (double)position.y, (double)position.z);
    } else if (equalsIgnoringCase(command, "setpos")) {
        return readTriple(tokens, &position.x, &position.y, &position.z, reply);
    } else if (equalsIgnoringCase(command, "angles")) {
        appendFormat(reply, "%g, %g, %g", (double)wx, (double)wy, (double)wz);
    } else if (equalsIgnoringCase(command, "setangles")) {
        return readTriple(tokens, &wx, &wy, &wz, reply);
    } else if (equalsIgnoringCase(command, "setspeed")) {
        const char* token = tokens.next(isIdentifierChar);
        if (!token) {
            reply.assign(tooFewArguments);
            return false;
        }
        speed = (float)std::atof(token);
    } else if (equalsIgnoringCase(command, "width")) {
        appendFormat(reply, "%d", width);
    } else if (equalsIgnoringCase(command, "height")) {
        appendFormat(reply, "%d", height);
    } else if (equalsIgnoringCase(command, "demorec")) {
        if (recording) {
            reply.assign("Demo already being recorded");
            return true;
        }
        String name;
        if (!fileNameArgument(tokens, name)) {
            reply.assign("No filename specified");
            return true;
        }
        recording = openRecording(name.getText());
        reply.assign(recording ? "Demo recording initialized" : "Error recording demo");
    } else if (equalsIgnoringCase(command, "demostop")) {
        if (recording) {
            closeRecording();
            reply.assign("Demo recording stopped");
        } else if (playing) {
            stopPlayback();
            reply.assign("Demo play stopped");
        } else {
            reply.assign("No demo active");
        }
    } else if (equalsIgnoringCase(command, "demoplay")) {
        if (recording) {
            reply.assign("Stop demo recording first");
            return true;
        }
        String name;
        if (!fileNameArgument(tokens, name)) {
            reply.assign("No filename specified");
            return true;
        }
        playing = loadDemo(name.getText());
        if (playing) {
            reply.assign("Demo play initialized");
            playIndex = 0;
            demoFile = std::fopen("demo.log", "wb");
        } else {
            reply.assign("Error playing demo");
        }
    } else {
        return false;
    }
    return true;
}
