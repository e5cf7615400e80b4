#ifndef KORVANE_BENCH_ALLOCATION_COUNTER_H
#define KORVANE_BENCH_ALLOCATION_COUNTER_H

// Counts every heap allocation in the process, SDL's own included: the
// benchmark binaries define malloc and its kin, which the C library's
// symbol lookup then hands to every library too.
unsigned long AllocationsSoFar();

#endif
