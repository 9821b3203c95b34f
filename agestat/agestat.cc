#include "agestat/agestat.h"

namespace {

constexpr int kStudentCount = 5;

// The console texts, as the GBK bytes the program writes.
// "输入学生%d的姓名、学号和年龄:\n"
constexpr char kPrompt[] =
    "\xca\xe4\xc8\xeb\xd1\xa7\xc9\xfa%d\xb5\xc4\xd0\xd5\xc3\xfb\xa1\xa2\xd1\xa7\xba\xc5\xba\xcd"
    "\xc4\xea\xc1\xe4:\n";
// "\n平均年龄: %.2f\n"
constexpr char kMeanAge[] = "\n\xc6\xbd\xbe\xf9\xc4\xea\xc1\xe4: %.2f\n";
// "年龄最小的学生信息: 姓名: %s, 学号: %d, 年龄: %d\n"
constexpr char kYoungest[] =
    "\xc4\xea\xc1\xe4\xd7\xee\xd0\xa1\xb5\xc4\xd1\xa7\xc9\xfa\xd0\xc5\xcf\xa2: "
    "\xd0\xd5\xc3\xfb: %s, \xd1\xa7\xba\xc5: %d, \xc4\xea\xc1\xe4: %d\n";

}  // namespace

void runAgestat(std::FILE* in, std::FILE* out) {
  Student students[kStudentCount];
  // 64 bits: five 32-bit ages always add up without overflow.
  std::int64_t ageSum = 0;
  int youngestIndex = 0;
  for (int k = 1; k <= kStudentCount; ++k) {
    const int p = k - 1;
    (void)std::fprintf(out, kPrompt, k);
    readRecord(in, students[p].name, students[p].studentId, students[p].age);
    ageSum += students[p].age;
    // Strict, so the first-entered of several youngest students is kept.
    if (students[p].age < students[youngestIndex].age) youngestIndex = p;
  }
  const double averageAge = static_cast<double>(ageSum) / 5.0;
  (void)std::fprintf(out, kMeanAge, averageAge);
  const Student& youngest = students[youngestIndex];
  (void)std::fprintf(out, kYoungest, youngest.name, youngest.studentId, youngest.age);
}
