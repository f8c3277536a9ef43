#include "win32_handle_census.h"

#include <winternl.h>

#include <vector>

namespace Driver {

namespace {

// The layout of the system handle table (information class 16), which winternl.h does not declare.
const int SystemHandleInformationClass = 16;
struct HandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};
const NTSTATUS InfoLengthMismatch = (NTSTATUS)0xC0000004L;

} // namespace

long HandlesOfProcess(DWORD processId) {
    std::vector<char> buffer(1 << 16);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation((SYSTEM_INFORMATION_CLASS)SystemHandleInformationClass,
                                              buffer.data(), (ULONG)buffer.size(), &needed)) ==
           InfoLengthMismatch) {
        if (buffer.size() >= (64u << 20))
            return -1;
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0)
        return -1;
    const HandleTable& table = *(const HandleTable*)buffer.data();
    const size_t room = (buffer.size() - offsetof(HandleTable, entries)) / sizeof(HandleEntry);
    long count = 0;
    for (size_t i = 0; i < table.count && i < room; i++)
        if (table.entries[i].ownerProcessId == processId)
            count++;
    return count;
}

bool CursorShowing() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info))
        return true;
    return (info.flags & CURSOR_SHOWING) != 0;
}

} // namespace Driver
