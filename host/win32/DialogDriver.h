// DialogDriver: answers the modal windows the plug-in opens on Windows (its parameter
// forms, message boxes, the colour and file dialogs) from the script's queued answers.
//
// A thread timer keeps ticking inside every modal loop of the host's thread; at each tick
// the driver looks for a visible, enabled top-level window of the thread other than the
// page (a disabled one is waiting for a window it opened) and answers it once. Controls
// of the plug-in's own forms are found by their component names, which the toolkit's
// native controls carry as the window property "ixName" (a global atom of the name).
// A window that is still open a while after its answer is closed, so a play never hangs.
#pragma once

#include "host/DialogAnswers.h"

#include <windows.h>

#include <map>

namespace ix::host {

class DialogDriver {
public:
    DialogDriver(DialogAnswers& answers, HWND page);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Look();
    void Answer(HWND window);
    void AnswerMessageBox(HWND box);
    void AnswerColorDialog(HWND dialog);
    void AnswerFileDialog(HWND dialog);
    void AnswerForm(HWND form);

    DialogAnswers& answers_;
    HWND page_;
    UINT_PTR timer_ = 0;
    bool busy_ = false;
    std::map<HWND, int> answered_; // window -> ticks seen since its answer
};

} // namespace ix::host
