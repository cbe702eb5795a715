// What the probe reads of a program file and a shortcut: the version resource, the icon, the
// shortcut's target.
#include "probe_files.h"

#include "utf8_text.h"

#include <objbase.h>
#include <shlobj.h>

#include <array>
#include <cstdio>

int version(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    std::string data(size, '\0');
    if (size == 0 || GetFileVersionInfoW(file.c_str(), 0, size, data.data()) == FALSE) {
        std::puts("no version resource");
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
    std::printf("file_version=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
    std::printf("product_version=%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                LOWORD(fixed->dwProductVersionLS));
    std::printf("file_type=%lu\n", fixed->dwFileType);
    WORD* translation = nullptr;
    VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                   reinterpret_cast<void**>(&translation), &length);
    std::printf("translation=%04X %u\n", translation[0], translation[1]);
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"ProductName"}) {
        std::array<wchar_t, 128> path{};
        std::swprintf(path.data(), path.size(), L"\\StringFileInfo\\%04X%04X\\%ls", translation[0],
                      translation[1], name);
        wchar_t* value = nullptr;
        if (VerQueryValueW(data.data(), path.data(), reinterpret_cast<void**>(&value), &length) !=
            FALSE) {
            std::printf("%s=%s\n", utf8(name).c_str(), utf8(value).c_str());
        }
    }
    return 0;
}

int icon(const std::wstring& file) {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    auto* loaded = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    ICONINFO info{};
    BITMAP bitmap{};
    if (loaded == nullptr || GetIconInfo(loaded, &info) == FALSE ||
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap,
                   &bitmap) == 0) {
        std::puts("icon=none");
        return 1;
    }
    std::printf("icon=%ldx%ld %u bits\n", bitmap.bmWidth, bitmap.bmHeight, bitmap.bmBitsPixel);
    return 0;
}

int shortcut(const std::wstring& file) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    int status = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        std::array<wchar_t, MAX_PATH> target{};
        std::array<wchar_t, MAX_PATH> icon{};
        int index = 0;
        link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0);
        link->GetIconLocation(icon.data(), static_cast<int>(icon.size()), &index);
        std::printf("target=%s\nicon=%s,%d\n", utf8(target.data()).c_str(),
                    utf8(icon.data()).c_str(), index);
        status = 0;
    } else {
        std::puts("no shortcut");
    }
    if (persist != nullptr) {
        persist->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return status;
}
