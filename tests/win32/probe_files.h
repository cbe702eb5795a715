#pragma once

#include <windows.h>

#include <string>

// Each prints what it read, one "key=value" a line, and returns the probe's exit status.
int version(const std::wstring& file);
int icon(const std::wstring& file);
int shortcut(const std::wstring& file);
