#pragma once

#include <csignal>
#include <initializer_list>

#include <signal.h>

// The requests to stop that reach a console program from outside: Ctrl+C
// (SIGINT), kill (SIGTERM) and a closed terminal (SIGHUP). Each only records
// itself; the program's main loop reads received() and ends through its ordinary
// shutdown, so a Ctrl+C ends a program the same way its own quit key does. SDL
// would otherwise turn SIGINT and SIGTERM into its quit event, which both programs
// drop because it also stands for the window's close button.
// SIGXFSZ is ignored: a write past a file-size limit then fails with an error that
// the writer reports, instead of killing the program with its work unsaved.
// SIGPIPE is ignored too: when whatever reads standard output has gone, the
// program's messages are lost, but the program still ends as it would (its
// buffered messages are written at exit, which would otherwise kill it there).
// Header only: the game and the editor share no library.
class StopSignals {
public:
    // Installs the handlers, except for a request that the program was started
    // with ignored (nohup, a shell's background job). Call before SDL_Init, which
    // then leaves its own out. A request interrupts a blocking read of standard
    // input instead of letting it resume.
    static void install() {
        struct sigaction action {};
        action.sa_handler = record;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        for (int request : {SIGINT, SIGTERM, SIGHUP}) {
            // A request ignored from the start stays ignored, as under nohup.
            struct sigaction previous {};
            if (sigaction(request, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
                sigaction(request, &action, nullptr);
            }
        }
        std::signal(SIGXFSZ, SIG_IGN);
        std::signal(SIGPIPE, SIG_IGN);
    }

    // The signal number of the first request, or 0 while none has come.
    static int received() { return static_cast<int>(signalNumber); }

    // The program's exit status after a request: 128 + the signal number, as a
    // shell reports a program ended by that signal (130, 143, 129).
    static int exitStatus() { return kSignalStatusBase + received(); }

private:
    static constexpr int kSignalStatusBase = 128;

    static void record(int number) {
        if (signalNumber == 0) {
            signalNumber = number;
        }
    }

    static inline volatile std::sig_atomic_t signalNumber = 0;
};
