# What each built exe shows and asks of the PC it runs on, read from its bytes as Explorer and
# school IT's scanners read them: version and icon, the functions it imports and from which
# DLLs, the processor instructions it holds, its security flags and the oldest Windows whose
# loader takes it. Wine gives more than a school PC may (newer functions, any DLL on its
# path, every instruction of this CPU), so no run under Wine shows these.
# Usage: exes.py BUILDS VERSION   (BUILDS holds win32/ and win64/, each with Orbisque.exe)
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
                  'EnableWindow EndPaint EnumChildWindows FillRect GetCapture GetClientRect GetDC '
                  'GetFocus GetForegroundWindow GetMessageA InvalidateRect IsIconic IsWindow '
                  'LoadCursorA LoadIconA MessageBoxA PostQuitMessage RegisterClassA ReleaseDC '
                  'SendMessageA SetFocus SetTimer ShowCursor ShowWindow TranslateMessage '
                  'UpdateWindow',
    'winmm.dll': 'PlaySoundA',
}
PLAIN = {'branch_relative', 'jump', 'call', 'ret', 'int', 'iret', 'fpu', 'cmov'}
ASLR, NX, HIGH_ASLR = 0x40, 0x100, 0x20
# Each target: its processor's baseline as the disassembler's instruction groups (i686; x86-64
# with SSE2, but no SSE3, SSE4, AVX or BMI, which many school laptops lack), its security
# flags, and its subsystem version (XP's loader takes up to 5.1, XP x64's 5.2).
TARGETS = {
    'win32': (capstone.CS_MODE_32, PLAIN | {'not64bitmode'}, ASLR | NX, (4, 0)),
    'win64': (capstone.CS_MODE_64, PLAIN | {'mode64', 'sse1', 'sse2'}, ASLR | NX | HIGH_ASLR,
              (5, 2)),
}


def shown(pe):
    """The version in the fixed fields and the strings, and the sizes of the first icon group."""
    fixed = pe.VS_FIXEDFILEINFO[0]
    text = [f'{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}' for ms, ls in (
        (fixed.FileVersionMS, fixed.FileVersionLS),
        (fixed.ProductVersionMS, fixed.ProductVersionLS))]
    strings = [t.entries for info in pe.FileInfo[0] for t in getattr(info, 'StringTable', [])]
    text += [s.get(k, b'none').decode()
             for s in strings[:1] for k in (b'FileVersion', b'ProductVersion')]
    groups = [e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries if e.id == 14]
    for group in groups[:1]:
        entry = group.directory.entries[0].directory.entries[0].data.struct
        data = pe.get_data(entry.OffsetToData, entry.Size)
        text += ['icon'] + [str(data[6 + 14 * i] or 256) for i in range(data[4])]
    return ' '.join(text)


def faults(pe, version, mode, baseline, flags, subsystem, imported):
    want = f'{version}.0 {version}.0 {version} {version} icon 16 24 32 48 256'
    seen = shown(pe)
    found = [] if seen == want else [f'shows "{seen}", not "{want}"']
    for dll in getattr(pe, 'DIRECTORY_ENTRY_IMPORT', []):
        for function in dll.imports:
            name = (dll.dll.decode().lower(), (function.name or b'#%d' % function.ordinal).decode())
            imported.add(name)
            if name[1] not in IMPORTS.get(name[0], '').split():
                found.append('imports %s %s, which the list does not hold' % name)
    opt = pe.OPTIONAL_HEADER
    if opt.DllCharacteristics != flags:
        found.append(f'DLL characteristics {opt.DllCharacteristics:#x}, not {flags:#x}')
    if not opt.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_BASERELOC']].Size:
        found.append('no relocations: it cannot move where ASLR puts it')
    if (opt.MajorSubsystemVersion, opt.MinorSubsystemVersion) != subsystem:
        found.append(f'subsystem version {opt.MajorSubsystemVersion}.{opt.MinorSubsystemVersion}')

    disassembler = capstone.Cs(capstone.CS_ARCH_X86, mode)
    disassembler.detail = disassembler.skipdata = True
    beyond = {}
    code = [s for s in pe.sections
            if s.Characteristics & pefile.SECTION_CHARACTERISTICS['IMAGE_SCN_MEM_EXECUTE']]
    for section in code:
        for insn in disassembler.disasm(section.get_data(), opt.ImageBase + section.VirtualAddress):
            for group in map(insn.group_name, insn.groups if insn.id else ()):
                if group not in baseline:
                    beyond.setdefault(group, f'{insn.mnemonic} at {insn.address:#x}')
    return found + [f'{group} instructions, the first {at}' for group, at in sorted(beyond.items())]


def main():
    builds, version = sys.argv[1:3]
    failed, imported = [], set()
    for target, needs in TARGETS.items():
        pe = pefile.PE(f'{builds}/{target}/Orbisque.exe')
        failed += [f'{target}: {fault}' for fault in faults(pe, version, *needs, imported)]
    for fault in failed:
        print('FAIL:', fault)
    if failed:
        sys.exit(1)
    print(f'PASS: both exes show version {version} and the icon, import {len(imported)} '
          "functions of Windows XP's own DLLs, hold no instruction beyond their processor's "
          'baseline, have ASLR and DEP, and load on XP')


if __name__ == '__main__':
    main()
