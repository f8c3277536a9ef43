#pragma once

#include "saver/mci_seam.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// A scripted multimedia device: a CD drive with a disc of some tracks, an MP3 file, wave output. It
// answers the command strings the music sends and records every call.
class ScriptedMci : public Morvex_BGM::MciSeam {
public:
    struct Call {
        std::string command;
        uint32_t replySize;
        uint32_t code;
    };

    // The CD drive.
    bool discPresent = true;
    int trackCount = 10;
    int currentTrack = 1;
    std::string currentTrackText; // when set, the reply to the current-track query
    std::string cdMode = "stopped";
    // The MP3 file.
    bool mp3Exists = true;
    bool mp3Open = false;
    std::string mp3Mode = "stopped";
    // Wave output.
    uint32_t waveDevices = 1;

    std::vector<Call> calls;
    std::vector<std::pair<std::string, uint32_t>> sounds; // PlaySoundA name ("<null>" for none), flags

    std::vector<std::string> commands() const {
        std::vector<std::string> list;
        for (const Call& call : calls)
            list.push_back(call.command);
        return list;
    }
    void forget() {
        calls.clear();
        sounds.clear();
    }

    uint32_t sendString(const char* command, char* reply, uint32_t replySize) override {
        std::string answer;
        const uint32_t code = answerTo(command, answer);
        if (reply && replySize > 0 && code == 0) {
            const size_t n = answer.size() < replySize - 1 ? answer.size() : replySize - 1;
            std::memcpy(reply, answer.data(), n);
            reply[n] = '\0';
        }
        calls.push_back(Call{command, replySize, code});
        return code;
    }

    bool playSound(const char* sound, uint32_t flags) override {
        sounds.emplace_back(sound ? sound : "<null>", flags);
        return true;
    }

    uint32_t waveOutDeviceCount() override { return waveDevices; }

private:
    static const uint32_t NoDriver = 266, OutOfRange = 263, BadCommand = 274, FileNotFound = 275;

    uint32_t answerTo(const std::string& command, std::string& answer) {
        const std::string positionQuery = "status cdaudio position track ";
        if (command.find("cdaudio") != std::string::npos && !discPresent)
            return NoDriver;
        if (command == "open cdaudio" || command == "set cdaudio time format tmsf" ||
            command == "close cdaudio")
            return 0;
        if (command == "stop cdaudio") {
            cdMode = "stopped";
            return 0;
        }
        if (command == "status cdaudio current track") {
            answer = currentTrackText.empty() ? std::to_string(currentTrack) : currentTrackText;
            return 0;
        }
        if (command == "status cdaudio number of tracks") {
            answer = std::to_string(trackCount);
            return 0;
        }
        if (command == "status cdaudio mode") {
            answer = cdMode;
            return 0;
        }
        if (command.compare(0, positionQuery.size(), positionQuery) == 0) {
            const int track = std::atoi(command.c_str() + positionQuery.size());
            if (track < 1 || track > trackCount)
                return OutOfRange;
            char position[32];
            std::snprintf(position, sizeof position, "%02d:00:00:00", track);
            answer = position;
            return 0;
        }
        if (command == "play cdaudio") {
            currentTrack = 1;
            cdMode = "playing";
            return 0;
        }
        if (command.compare(0, 18, "play cdaudio from ") == 0) {
            const std::string from = command.substr(18);
            if (from.size() != 11 || from[2] != ':')
                return BadCommand;
            currentTrack = std::atoi(from.c_str());
            cdMode = "playing";
            return 0;
        }
        if (command.compare(0, 6, "open \"") == 0 && command.size() > 30 &&
            command.compare(command.size() - 30, 30, "\" type MPEGVideo Alias MP3Play") == 0) {
            if (!mp3Exists)
                return FileNotFound;
            mp3Open = true;
            mp3Mode = "stopped";
            return 0;
        }
        if (command.find("MP3Play") != std::string::npos && !mp3Open)
            return OutOfRange;
        if (command == "play MP3Play" || command == "play MP3Play from 0") {
            mp3Mode = "playing";
            return 0;
        }
        if (command == "stop MP3Play") {
            mp3Mode = "stopped";
            return 0;
        }
        if (command == "close MP3Play") {
            mp3Open = false;
            return 0;
        }
        if (command == "status MP3Play mode") {
            answer = mp3Mode;
            return 0;
        }
        return BadCommand;
    }
};
