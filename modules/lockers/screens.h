#pragma once
// The season locker screens: EHI010 blocks and their lockers, EHI020 sale, cancellation and change,
// EHI040 penalty records, EHS030 the locker list.
void RegisterLockersScreens();
