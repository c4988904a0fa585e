// The statistics record stored in a signed plan, as the signature library reads it and compares
// it with the plan's counts: the input is the data of the plan's type-66 element on level 20 (the
// record's identifier at byte 34, its stored form after it). The library's resource file is kept
// open, as when the library runs as an application; the plan is one work file whose element
// takes each input in turn.
#include "fuzz/harness.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "host/open_resources.h"
#include "signature/model_check.h"
#include "signature/stored_signature.h"

namespace {

namespace fx = host::fixture;

struct Plan {
  host::ModelRef modele;
  host::ElementId enregistrement = 0;
};

Plan preparer() {
  Plan plan;
  brevane::resourceHandle = host::resources::openFile(L"" PROJECT_SOURCE_DIR "/resources/brevane.json");
  if (brevane::resourceHandle == 0) return plan;
  fx::DesignBuilder b;
  b.level(L"Signature", 20);
  b.level(L"Reseau", 7);
  b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(7).colour(3).weight(2));
  b.add(fx::text(L"A", {0, 0, 0}).level(7));
  plan.enregistrement = b.add(fx::data({}).level(20));
  const std::wstring chemin = fuzz::dossierTemporaire() + L"PLAN01.dgn";
  if (!b.save(chemin) || host::openWorkFile(&plan.modele, nullptr, nullptr, chemin, L"", false) != host::kSuccess)
    plan.modele = {};
  return plan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Plan plan = preparer();
  if (!plan.modele) return 0;
  const host::Element* ancien = host::readElement(plan.modele, plan.enregistrement);
  if (!ancien) return 0;
  host::Element element = *ancien;
  element.data.assign(data, data + size);
  if (host::replaceElement(plan.modele, element) != host::kSuccess) return 0;
  brevane::CheckModel(plan.modele);
  return 0;
}
