// Parse throughput of TXMLDoc against pugixml and libxml2's DOM on the same
// generated Sconet-like bytes, and the peak memory of a load per input byte,
// for those bytes and for the two most costly shapes of input.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <pugixml.hpp>
#include <string>

#include "bench/xml_parse/donnees_sconet.h"
#include "xml/xml.h"

// ---- Counting every operator new of the program ----
// Our model allocates through operator new only (pugixml and libxml2 use
// malloc and are not counted). Each block counts its usable size plus the
// allocator's 8-byte chunk header.
namespace {
std::size_t g_courant = 0;
std::size_t g_pic = 0;

void* Alloue(std::size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  g_courant += malloc_usable_size(p) + 8;
  if (g_courant > g_pic) g_pic = g_courant;
  return p;
}
void Libere(void* p) noexcept {
  if (!p) return;
  g_courant -= malloc_usable_size(p) + 8;
  std::free(p);
}
}  // namespace

void* operator new(std::size_t n) { return Alloue(n); }
void* operator new[](std::size_t n) { return Alloue(n); }
void operator delete(void* p) noexcept { Libere(p); }
void operator delete[](void* p) noexcept { Libere(p); }
void operator delete(void* p, std::size_t) noexcept { Libere(p); }
void operator delete[](void* p, std::size_t) noexcept { Libere(p); }

namespace {

const std::string& Donnees(int eleves) {
  static std::map<int, std::string> cache;
  auto it = cache.find(eleves);
  if (it == cache.end()) it = cache.emplace(eleves, corrinom::bench::GenereEleves(eleves)).first;
  return it->second;
}

void BM_TXMLDoc(benchmark::State& state) {
  const std::string& octets = Donnees(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    corrinom::TXMLDoc doc;
    doc.LoadFromMemory(octets);
    benchmark::DoNotOptimize(doc.Nodes().Count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * octets.size()));
}

void BM_Pugixml(benchmark::State& state) {
  const std::string& octets = Donnees(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pugi::xml_document doc;
    pugi::xml_parse_result r = doc.load_buffer(octets.data(), octets.size());
    if (!r) state.SkipWithError("pugixml refused the document");
    benchmark::DoNotOptimize(doc.first_child());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * octets.size()));
}

void BM_Libxml2(benchmark::State& state) {
  const std::string& octets = Donnees(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    xmlDocPtr doc = xmlReadMemory(octets.data(), static_cast<int>(octets.size()), "eleves.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_HUGE);
    if (!doc) state.SkipWithError("libxml2 refused the document");
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * octets.size()));
}

// Peak bytes held by a whole LoadFromFile (the file's text, its conversion and
// the tree) per byte of the file, and what the finished tree keeps.
void BM_TXMLDocMemoire(benchmark::State& state) {
  const std::string& octets = Donnees(static_cast<int>(state.range(0)));
  const std::filesystem::path chemin =
      std::filesystem::temp_directory_path() / ("corrinom_bench_" + std::to_string(state.range(0)) + ".xml");
  std::ofstream(chemin, std::ios::binary) << octets;
  double pic = 0;
  double arbre = 0;
  for (auto _ : state) {
    const std::size_t base = g_courant;
    g_pic = g_courant;
    corrinom::TXMLDoc doc;
    doc.LoadFromFile(chemin.string());
    arbre = static_cast<double>(g_courant - base) / static_cast<double>(octets.size());
    pic = static_cast<double>(g_pic - base) / static_cast<double>(octets.size());
  }
  std::filesystem::remove(chemin);
  state.counters["peak_bytes_per_input_byte"] = pic;
  state.counters["tree_bytes_per_input_byte"] = arbre;
  state.counters["input_MB"] = static_cast<double>(octets.size()) / 1e6;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * octets.size()));
}

// The shapes that cost the most per input byte: 12.5 million empty elements
// in one root (50 MB, more nodes than a document may have), as many as a
// document may have (40 MB), and 500 chains of 9,999 nested elements under one
// root (35 MB, the deepest nesting a document may have).
std::string Extreme(std::int64_t forme) {
  std::string s = "<r>";
  if (forme == 0 || forme == 2) {
    const int vides = forme == 0 ? 12'500'000 : 9'999'999;
    s.reserve(4 * static_cast<std::size_t>(vides) + 10);
    for (int i = 0; i < vides; ++i) s += "<a/>";
  } else {
    std::string chaine;
    for (int i = 0; i < 9999; ++i) chaine += "<e>";
    for (int i = 0; i < 9999; ++i) chaine += "</e>";
    s.reserve(500 * chaine.size() + 10);
    for (int i = 0; i < 500; ++i) s += chaine;
  }
  return s + "</r>";
}

// Peak bytes of a LoadFromFile per input byte for those shapes.
void BM_TXMLDocMemoireExtreme(benchmark::State& state) {
  const std::filesystem::path chemin =
      std::filesystem::temp_directory_path() / ("corrinom_bench_extreme_" + std::to_string(state.range(0)) + ".xml");
  std::size_t taille = 0;
  {
    const std::string octets = Extreme(state.range(0));
    taille = octets.size();
    std::ofstream(chemin, std::ios::binary) << octets;
  }
  double pic = 0;
  for (auto _ : state) {
    const std::size_t base = g_courant;
    g_pic = g_courant;
    corrinom::TXMLDoc doc;
    try {
      doc.LoadFromFile(chemin.string());
    } catch (const corrinom::EXMLException& e) {
      state.SetLabel(e.what());
    }
    pic = static_cast<double>(g_pic - base) / static_cast<double>(taille);
  }
  std::filesystem::remove(chemin);
  state.counters["peak_bytes_per_input_byte"] = pic;
  state.counters["input_MB"] = static_cast<double>(taille) / 1e6;
}

// One element with n attributes: the duplicate check of each new name, through
// the names' index past the first few.
void BM_TXMLDocAttributs(benchmark::State& state) {
  std::string s = "<a";
  for (std::int64_t i = 0; i < state.range(0); ++i) s += " a" + std::to_string(i) + "=''";
  s += "/>";
  for (auto _ : state) {
    corrinom::TXMLDoc doc;
    doc.LoadFromMemory(s);
    benchmark::DoNotOptimize(doc.Nodes().Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_TXMLDoc)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pugixml)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Libxml2)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TXMLDocMemoire)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TXMLDocAttributs)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TXMLDocMemoireExtreme)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// Between two iterations every parser frees what it built, and glibc gives
// large freed areas back to the kernel, so the next iteration would pay page
// faults for them or not depending on what ran before. All three parsers
// allocate through malloc; keeping freed memory in the process measures each
// of them on the same footing, in the steady state of a program that loads
// more than one file. Pass --cold to keep glibc's defaults.
int main(int argc, char** argv) {
  bool froid = false;
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--cold") {
      froid = true;
      for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
      --argc;
      break;
    }
  if (!froid) {
    mallopt(M_MMAP_THRESHOLD, 512 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 2047 * 1024 * 1024);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
