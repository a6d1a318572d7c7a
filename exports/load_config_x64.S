// The DLL's load configuration for x86-64 (IMAGE_LOAD_CONFIG_DIRECTORY64 up
// to the EH continuation table), for runtimes that have none: the loader
// finds the stack protector's cookie and the Control Flow Guard tables and
// check pointers here. LLD fills the __guard_* symbols when linking with
// -guard:cf. The check pointers hold do-nothing defaults that a loader
// enforcing CFG replaces with its own.
    .text
    .p2align 4
guard_check_icall_nop:
    ret
    .p2align 4
guard_dispatch_icall_nop:
    jmp *%rax

// Read-only; the loader makes them writable while it sets them.
    .section .00cfg,"dr"
    .p2align 3
    .globl __guard_check_icall_fptr
__guard_check_icall_fptr:
    .quad guard_check_icall_nop
    .globl __guard_dispatch_icall_fptr
__guard_dispatch_icall_fptr:
    .quad guard_dispatch_icall_nop

    .section .rdata,"dr"
    .p2align 3
    .globl _load_config_used
_load_config_used:
    .long 280                         // Size
    .long 0                           // TimeDateStamp
    .short 0, 0                       // MajorVersion, MinorVersion
    .long 0, 0, 0                     // GlobalFlagsClear, GlobalFlagsSet, CriticalSectionDefaultTimeout
    .quad 0, 0, 0, 0, 0, 0            // DeCommit thresholds, LockPrefixTable, MaximumAllocationSize,
                                      // VirtualMemoryThreshold, ProcessAffinityMask
    .long 0                           // ProcessHeapFlags
    .short 0, 0                       // CSDVersion, DependentLoadFlags
    .quad 0                           // EditList
    .quad __stack_chk_guard           // SecurityCookie
    .quad 0, 0                        // SEHandlerTable, SEHandlerCount (x86 only)
    .quad __guard_check_icall_fptr    // GuardCFCheckFunctionPointer
    .quad __guard_dispatch_icall_fptr // GuardCFDispatchFunctionPointer
    .quad __guard_fids_table          // GuardCFFunctionTable
    .quad __guard_fids_count          // GuardCFFunctionCount
    .long __guard_flags               // GuardFlags
    .short 0, 0                       // CodeIntegrity: Flags, Catalog
    .long 0, 0                        // CodeIntegrity: CatalogOffset, Reserved
    .quad __guard_iat_table           // GuardAddressTakenIatEntryTable
    .quad __guard_iat_count           // GuardAddressTakenIatEntryCount
    .quad __guard_longjmp_table       // GuardLongJumpTargetTable
    .quad __guard_longjmp_count       // GuardLongJumpTargetCount
    .quad 0, 0, 0, 0                  // DynamicValueRelocTable, CHPEMetadataPointer,
                                      // GuardRFFailureRoutine, GuardRFFailureRoutineFunctionPointer
    .long 0                           // DynamicValueRelocTableOffset
    .short 0, 0                       // DynamicValueRelocTableSection, Reserved2
    .quad 0                           // GuardRFVerifyStackPointerFunctionPointer
    .long 0, 0                        // HotPatchTableOffset, Reserved3
    .quad 0, 0                        // EnclaveConfigurationPointer, VolatileMetadataPointer
    .quad __guard_eh_cont_table       // GuardEHContinuationTable
    .quad __guard_eh_cont_count       // GuardEHContinuationCount
