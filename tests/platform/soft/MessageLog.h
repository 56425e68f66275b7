#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

// What recording windows received, one readable line per message, so that a failing
// test prints the expected and the actual sequence side by side.
struct MessageLog {
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }

    static std::string Describe(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam) {
        using namespace win32;
        const auto X = [lParam] { return static_cast<std::int16_t>(lParam & 0xFFFF); };
        const auto Y = [lParam] { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); };
        std::ostringstream line;
        switch (uMsg) {
            case WM_LBUTTONDOWN:
                line << "LBUTTONDOWN " << X() << "," << Y();
                break;
            case WM_LBUTTONUP:
                line << "LBUTTONUP " << X() << "," << Y();
                break;
            case WM_RBUTTONDOWN:
                line << "RBUTTONDOWN " << X() << "," << Y();
                break;
            case WM_RBUTTONUP:
                line << "RBUTTONUP " << X() << "," << Y();
                break;
            case WM_MOUSEMOVE:
                line << "MOUSEMOVE " << X() << "," << Y() << " keys=" << wParam;
                break;
            case WM_MOUSEHOVER:
                line << "MOUSEHOVER " << X() << "," << Y();
                break;
            case WM_VSCROLL:
                line << "VSCROLL " << (wParam & 0xFFFF) << " pos=" << ((wParam >> 16) & 0xFFFF);
                break;
            case WM_SETFOCUS:
                line << "SETFOCUS from=" << wParam;
                break;
            case WM_KILLFOCUS:
                line << "KILLFOCUS to=" << wParam;
                break;
            case WM_KEYDOWN:
                line << "KEYDOWN " << wParam;
                break;
            case WM_KEYUP:
                line << "KEYUP " << wParam;
                break;
            case WM_CHAR:
                line << "CHAR " << wParam;
                break;
            case WM_PAINT:
                line << "PAINT";
                break;
            default:
                line << "MSG " << uMsg;
                break;
        }
        return line.str();
    }

    static win32::LRESULT RecordingProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                                        win32::LPARAM lParam) {
        Lines().push_back(std::to_string(win32::HandleValue(hWnd)) + " " +
                          Describe(uMsg, wParam, lParam));
        return 0;
    }

    // The lines recorded since the last call, without paints.
    static std::vector<std::string> Take() {
        std::vector<std::string> taken;
        for (const std::string& sLine : Lines()) {
            if (sLine.find(" PAINT") == std::string::npos) taken.push_back(sLine);
        }
        Lines().clear();
        return taken;
    }
};

}  // namespace qv::soft
