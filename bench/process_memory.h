#pragma once

namespace bench {

// Memory figures of this process from /proc/self/status, in KiB; -1 where the system has no
// such file (not Linux).
long long PeakResidentKib();     // VmHWM: the most resident memory so far
long long CurrentResidentKib();  // VmRSS

}  // namespace bench
