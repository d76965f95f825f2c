#pragma once
// The home edition hides the user registry and the analysis sets; the full edition shows them.
enum class Edition { Home, Full };

constexpr Edition defaultEdition()
{
#if TALLOX_DEFAULT_FULL_EDITION
    return Edition::Full;
#else
    return Edition::Home;
#endif
}
