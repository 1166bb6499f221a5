// Each test file registers its Qt Test class here; principal.cpp runs them all.
#pragma once

#include <QObject>
#include <QTest>
#include <functional>
#include <vector>

namespace corrinom::app::test {

using Suite = std::function<int(int, char**)>;

inline std::vector<Suite>& Suites() {
  static std::vector<Suite> suites;
  return suites;
}

template <typename T>
struct InscritSuite {
  InscritSuite() {
    Suites().push_back([](int argc, char** argv) {
      T objet;
      return QTest::qExec(&objet, argc, argv);
    });
  }
};

}  // namespace corrinom::app::test
