// The DLL's load configuration for i386 (IMAGE_LOAD_CONFIG_DIRECTORY32 up to
// the EH continuation table), for runtimes that have none: the loader finds
// the stack protector's cookie and the Control Flow Guard tables and check
// pointer here. LLD fills the __guard_* symbols when linking with -guard:cf.
// No SafeSEH table: the DLL is marked NO_SEH. The check pointer holds a
// do-nothing default that a loader enforcing CFG replaces with its own; it
// is called with the target in ECX and must keep every other register.
    .text
    .p2align 4
guard_check_icall_nop:
    ret

// Read-only; the loader makes it writable while it sets it.
    .section .00cfg,"dr"
    .p2align 2
    .globl ___guard_check_icall_fptr
___guard_check_icall_fptr:
    .long guard_check_icall_nop

    .section .rdata,"dr"
    .p2align 2
    .globl __load_config_used
__load_config_used:
    .long 172                         // Size
    .long 0                           // TimeDateStamp
    .short 0, 0                       // MajorVersion, MinorVersion
    .long 0, 0, 0                     // GlobalFlagsClear, GlobalFlagsSet, CriticalSectionDefaultTimeout
    .long 0, 0, 0, 0, 0               // DeCommit thresholds, LockPrefixTable, MaximumAllocationSize,
                                      // VirtualMemoryThreshold
    .long 0, 0                        // ProcessHeapFlags, ProcessAffinityMask
    .short 0, 0                       // CSDVersion, DependentLoadFlags
    .long 0                           // EditList
    .long ___stack_chk_guard          // SecurityCookie
    .long 0, 0                        // SEHandlerTable, SEHandlerCount
    .long ___guard_check_icall_fptr   // GuardCFCheckFunctionPointer
    .long 0                           // GuardCFDispatchFunctionPointer (x64 only)
    .long ___guard_fids_table         // GuardCFFunctionTable
    .long ___guard_fids_count         // GuardCFFunctionCount
    .long ___guard_flags              // GuardFlags
    .short 0, 0                       // CodeIntegrity: Flags, Catalog
    .long 0, 0                        // CodeIntegrity: CatalogOffset, Reserved
    .long ___guard_iat_table          // GuardAddressTakenIatEntryTable
    .long ___guard_iat_count          // GuardAddressTakenIatEntryCount
    .long ___guard_longjmp_table      // GuardLongJumpTargetTable
    .long ___guard_longjmp_count      // GuardLongJumpTargetCount
    .long 0, 0, 0, 0                  // DynamicValueRelocTable, CHPEMetadataPointer,
                                      // GuardRFFailureRoutine, GuardRFFailureRoutineFunctionPointer
    .long 0                           // DynamicValueRelocTableOffset
    .short 0, 0                       // DynamicValueRelocTableSection, Reserved2
    .long 0                           // GuardRFVerifyStackPointerFunctionPointer
    .long 0, 0                        // HotPatchTableOffset, Reserved3
    .long 0, 0                        // EnclaveConfigurationPointer, VolatileMetadataPointer
    .long ___guard_eh_cont_table      // GuardEHContinuationTable
    .long ___guard_eh_cont_count      // GuardEHContinuationCount
