// The conversion worker: the thread that converts the queued inputs, and the progress block it
// shares with the thread that started it.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

struct ConversionProgress {
    std::mutex mutex;                 // guards the three values below while the worker runs
    std::int32_t currentIndex = 0;    // 1-based number of the input being converted
    std::string currentFile;          // full path of the input being converted
    std::int32_t convertedCount = 0;  // inputs saved successfully, written once at the end
    std::atomic<std::uint8_t> runFlag{1};  // 0 asks the worker to stop before the next input
};

extern ConversionProgress Progress;

// Clears the progress block for a new run: index 0, no file, count 0, run flag 1.
void ResetProgress();
// The thread procedure: converts every queued input while the run flag allows; returns 0.
int ConversionWorker(void* unused);
// Starts ConversionWorker on its own thread.
std::thread StartConversionWorker();
// Asks a running worker to stop before its next input.
void RequestStop();
