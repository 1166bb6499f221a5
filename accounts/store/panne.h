// One fault that a test makes a store raise: which operation, with which status,
// on which login or enumeration page. The fault wrapper (magasin_en_panne.h)
// applies them; an old embedded base may still hold some in its `pannes` table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corrinom {

// Which operation a fault hits. Lenteur makes every write wait before it is
// done (to stop a run halfway through, in tests); it fails nothing.
enum class OperationPanne { Lecture, Ecriture, Enumeration, Lenteur };

struct Panne {
  OperationPanne operation = OperationPanne::Lecture;
  std::uint32_t statut = 0;          // Lenteur: the wait before each write, in milliseconds
  std::optional<std::string> login;  // Lecture/Ecriture: nothing for every login
  std::optional<std::uint32_t> page; // Enumeration: 1 is the first call; nothing for every call
};

}  // namespace corrinom
