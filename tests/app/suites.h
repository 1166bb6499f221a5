// Each test file registers its Qt Test class here; principal.cpp runs them all.
#pragma once

#include <QObject>
#include <QTest>
#include <QWidget>
#include <functional>
#include <vector>

namespace corrinom::app::test {

using Suite = std::function<int(int, char**)>;

inline std::vector<Suite>& Suites() {
  static std::vector<Suite> suites;
  return suites;
}

// A window's control by its name in the code.
template <typename T>
T* Enfant(const QWidget& fenetre, const char* nom) {
  return fenetre.findChild<T*>(QLatin1String(nom));
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
