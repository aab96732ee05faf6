#pragma once

namespace vantiq::test {

// The sample catalogue as this test process may open it: a private copy made
// on first use and removed at exit. The program holds an open catalogue
// exclusively, so test cases that CTest runs side by side must not share one
// file. Tests name it through VANTIQ_SAMPLE_BASE.
const char* SampleBaseCopy();

}  // namespace vantiq::test
