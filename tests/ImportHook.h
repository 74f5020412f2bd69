// Points this exe's import of `function` at `recorder` and returns the real one, so that the
// program's own calls go through it exactly as they are made. Used by the tests and the bench.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

template <typename F> F HookImport(const char *function, F recorder)
{
    BYTE *base = (BYTE *)GetModuleHandleA(NULL);
    auto *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    auto dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *dll = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); dll->Name; dll++) {
        auto *slot = (IMAGE_THUNK_DATA *)(base + dll->FirstThunk);
        for (auto *name = (IMAGE_THUNK_DATA *)(base + dll->OriginalFirstThunk);
             name->u1.AddressOfData; name++, slot++)
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                !strcmp((char *)((IMAGE_IMPORT_BY_NAME *)(base + name->u1.AddressOfData))->Name,
                        function)) {
                DWORD protect;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protect);
                F real = (F)slot->u1.Function;
                slot->u1.Function = (ULONG_PTR)recorder;
                return real;
            }
    }
    exit(fprintf(stderr, "the program does not import %s\n", function));
}
