#pragma once
// Short texts the house and its rooms show.
namespace tavrio {
// An exercise that is not there yet: "Coming soon!"; nothing opens.
void comingSoon();
// The credits of the entrance screen's "Impressum".
void showImpressum();
} // namespace tavrio
