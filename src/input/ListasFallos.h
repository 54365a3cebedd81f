#pragma once
#include <string>
#include <unordered_set>
#include <vector>

// The five failure lists of a run and the verdict they give. A message is listed once per list
// (equal messages under the name comparison count as one), but every failure marks the building
// as failing.
class ListasFallos {
public:
    static constexpr int kNumListas = 5;
    // The label each list prints in the results file (Latin-1, with its double quotes).
    static const char* const kEtiquetas[kNumListas];

    // When ok is false: the message joins the list unless it is already there, and the building
    // fails. A list number outside 0-4 only marks the failure.
    void registrarFallo(bool ok, const std::string& mensaje, int lista);
    const std::vector<std::string>& fallos(int lista) const { return fallos_[lista]; }
    bool fallido() const { return fallido_; }

    // The verdict word: "NO CUMPLE" once some failure was recorded, else "CUMPLE".
    const char* veredicto() const { return fallido_ ? "NO CUMPLE" : "CUMPLE"; }
    // The text of the results file: for a failing building one line per failure (message,
    // ", ", label; list 0 first) and "NO CUMPLE", else "CUMPLE". No line end after the verdict.
    std::string textoResultados() const;

private:
    bool fallido_ = false;
    std::vector<std::string> fallos_[kNumListas];
    std::unordered_set<std::string> normalizados_[kNumListas];
};
