// Reads the system's font configuration on a helper thread while the application object
// starts, so that the toolkit's font database, which reads it at its first lookup, finds it
// read. The configuration is process-wide and may be read from any thread; whoever asks
// first reads it, so the program behaves the same whether or not the helper has finished.
#pragma once

#include <thread>

class CFontConfigWarmUp
{
public:
    // Starts the helper; where no thread can be made, nothing is read ahead.
    CFontConfigWarmUp();
    // Waits for the helper.
    ~CFontConfigWarmUp();
    CFontConfigWarmUp(const CFontConfigWarmUp&) = delete;
    CFontConfigWarmUp& operator=(const CFontConfigWarmUp&) = delete;

    // Waits until the configuration is read (at once when there is no helper).
    void Wait();

private:
    std::thread m_thread;
};
