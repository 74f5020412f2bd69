"""What each built exe asks of the PC it runs on, read from its bytes as school IT's scanners
read them: the functions it imports and from which DLLs, the processor instructions it holds,
its security flags and the oldest Windows its header lets load it. Wine gives more than a
school PC may (newer functions, any DLL on its path, every instruction of this CPU), so no run
under Wine shows these.

Usage: needs.py BUILDS   (the folder holding win32/ and win64/, each with Orbisque.exe)
"""
import sys

import capstone
import pefile

# Every function the two exes import, by DLL: Windows' own DLLs only, and only functions that
# Windows XP has (XP x64 for the 64-bit exe). A new import is a deliberate edit of this list,
# made once it is known to be there on XP.
IMPORTS = {
    'gdi32.dll': 'CreateFontIndirectA CreateSolidBrush DPtoLP DeleteObject GetDeviceCaps '
                 'GetStockObject GetTextMetricsA ModifyWorldTransform RestoreDC SaveDC '
                 'SelectObject SetBkColor SetGraphicsMode SetTextColor SetViewportOrgEx '
                 'SetWindowOrgEx TextOutA',
    'kernel32.dll': 'DeleteCriticalSection EnterCriticalSection FileTimeToLocalFileTime '
                    'FreeLibrary GetLastError GetModuleHandleA GetProcAddress GetStartupInfoA '
                    'GetSystemTimeAsFileTime InitializeCriticalSection LeaveCriticalSection '
                    'LoadLibraryA MulDiv SetUnhandledExceptionFilter Sleep TlsGetValue '
                    'VirtualProtect VirtualQuery __C_specific_handler',
    'msvcrt.dll': '__getmainargs __initenv __iob_func __p__acmdln __p__commode __p__fmode '
                  '__set_app_type __setusermatherr _acmdln _amsg_exit _cexit _commode _fmode '
                  '_initterm _iob _onexit abort calloc exit fprintf free fwrite malloc memcpy '
                  'memset signal strcpy strlen strncmp strncpy vfprintf',
    'user32.dll': 'BeginPaint CreateWindowExA DefWindowProcA DestroyWindow DispatchMessageA '
                  'EnableWindow EndPaint EnumChildWindows FillRect GetClientRect GetDC GetFocus '
                  'GetForegroundWindow GetMessageA InvalidateRect IsIconic IsWindow LoadCursorA '
                  'LoadIconA MessageBoxA PostQuitMessage RegisterClassA ReleaseDC SendMessageA '
                  'SetFocus SetTimer ShowCursor ShowWindow TranslateMessage UpdateWindow',
    'winmm.dll': 'PlaySoundA',
}

PLAIN = {'branch_relative', 'jump', 'call', 'ret', 'int', 'iret', 'fpu', 'cmov'}
ASLR, NX, HIGH_ASLR = 0x40, 0x100, 0x20
# Each target: its processor's baseline as the disassembler's instruction groups (i686, which
# every PC that runs XP has; x86-64 with SSE2, but no SSE3, SSE4, AVX or BMI, which many school
# laptops lack), the security flags, and the subsystem version (XP is 5.1, XP x64 5.2).
TARGETS = {
    'win32': (capstone.CS_MODE_32, PLAIN | {'not64bitmode'}, ASLR | NX, (4, 0)),
    'win64': (capstone.CS_MODE_64, PLAIN | {'mode64', 'sse1', 'sse2'}, ASLR | NX | HIGH_ASLR,
              (5, 2)),
}


def check(exe, mode, baseline, flags, subsystem, imported):
    pe = pefile.PE(exe)
    faults = []
    for dll in getattr(pe, 'DIRECTORY_ENTRY_IMPORT', []):
        name = dll.dll.decode().lower()
        for function in dll.imports:
            if not function.name:
                faults.append(f'{name} by ordinal {function.ordinal}')
                continue
            imported.add((name, function.name.decode()))
            if function.name.decode() not in IMPORTS.get(name, '').split():
                faults.append(f'imports {name} {function.name.decode()}, not in the list')
    if hasattr(pe, 'DIRECTORY_ENTRY_DELAY_IMPORT'):
        faults.append('delay-loads DLLs')

    opt = pe.OPTIONAL_HEADER
    if opt.DllCharacteristics != flags:
        faults.append(f'DLL characteristics {opt.DllCharacteristics:#x}, not {flags:#x}')
    relocs = opt.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_BASERELOC']]
    if not relocs.Size:
        faults.append('no relocations: it cannot move where ASLR puts it')
    version = (opt.MajorSubsystemVersion, opt.MinorSubsystemVersion)
    if version != subsystem:
        faults.append(f'subsystem version {version[0]}.{version[1]}, not '
                      f'{subsystem[0]}.{subsystem[1]}')

    disassembler = capstone.Cs(capstone.CS_ARCH_X86, mode)
    disassembler.detail = True
    disassembler.skipdata = True
    beyond = {}
    for section in pe.sections:
        if section.Characteristics & pefile.SECTION_CHARACTERISTICS['IMAGE_SCN_MEM_EXECUTE']:
            start = opt.ImageBase + section.VirtualAddress
            for insn in disassembler.disasm(section.get_data(), start):
                for group in insn.groups if insn.id else ():
                    name = insn.group_name(group)
                    if name not in baseline:
                        beyond.setdefault(name, f'{insn.mnemonic} {insn.op_str} at {insn.address:#x}')
    faults += [f'{group} instructions, first {where}' for group, where in sorted(beyond.items())]
    return faults


def main():
    builds = sys.argv[1]
    failed, imported = False, set()
    for target, needs in TARGETS.items():
        for fault in check(f'{builds}/{target}/Orbisque.exe', *needs, imported):
            print(f'FAIL: {target}: {fault}')
            failed = True
    listed = {(dll, f) for dll, functions in IMPORTS.items() for f in functions.split()}
    for dll, function in sorted(listed - imported):
        print(f'FAIL: {dll} {function} is listed but neither exe imports it: drop it')
        failed = True
    if failed:
        sys.exit(1)
    print(f'PASS: both exes import {len(imported)} functions of Windows XP\'s own DLLs, hold no '
          'instruction beyond their processor\'s baseline, have ASLR and DEP, and load on XP')


if __name__ == '__main__':
    main()
