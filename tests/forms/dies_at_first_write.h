#pragma once
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include <cstddef>
#include <vector>

#if defined(__x86_64__)
constexpr __u32 ThisArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr __u32 ThisArchitecture = AUDIT_ARCH_AARCH64;
#else
constexpr __u32 ThisArchitecture = 0;  // not known here: no process is stopped
#endif

// Has the kernel end this process at its first write to a file of any kind, as a kill between
// two steps of a save would. False where it cannot.
inline bool dieAtFirstWrite() {
    if (ThisArchitecture == 0) return false;
    const std::vector<long> writes = {SYS_write, SYS_pwrite64, SYS_writev, SYS_pwritev,
                                      SYS_pwritev2};
    const auto load = [](__u32 field) {
        return sock_filter{BPF_LD | BPF_W | BPF_ABS, 0, 0, field};
    };
    const auto answer = [](__u32 action) { return sock_filter{BPF_RET | BPF_K, 0, 0, action}; };
    std::vector<sock_filter> filter = {
        load(offsetof(seccomp_data, arch)),
        sock_filter{BPF_JMP | BPF_JEQ | BPF_K, 1, 0, ThisArchitecture},
        answer(SECCOMP_RET_ALLOW),
        load(offsetof(seccomp_data, nr)),
    };
    // Each call that writes jumps past the rest to the last answer, which ends the process.
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const auto skipped = static_cast<__u8>(writes.size() - i);
        filter.push_back({BPF_JMP | BPF_JEQ | BPF_K, skipped, 0, static_cast<__u32>(writes[i])});
    }
    filter.push_back(answer(SECCOMP_RET_ALLOW));
    filter.push_back(answer(SECCOMP_RET_KILL_PROCESS));
    const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}
