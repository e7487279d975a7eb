#pragma once

#include "PlatformServices.h"

#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace verbalia {

namespace serviceset {

// The implementation among Impl... of the given service interface: exactly one.
template <class Interface, class... Impl>
constexpr std::size_t indexOf()
{
    constexpr bool implements[] = {std::is_base_of_v<Interface, Impl>...};
    std::size_t found = sizeof...(Impl);
    std::size_t count = 0;
    for (std::size_t i = 0; i < sizeof...(Impl); ++i)
        if (implements[i]) {
            found = i;
            ++count;
        }
    return count == 1 ? found : sizeof...(Impl);
}

template <class A, class B>
constexpr bool sameService()
{
#define VERBALIA_BOTH_IMPLEMENT(Interface, name) || (std::is_base_of_v<Interface, A> && std::is_base_of_v<Interface, B>)
    return false VERBALIA_PLATFORM_SERVICES(VERBALIA_BOTH_IMPLEMENT);
#undef VERBALIA_BOTH_IMPLEMENT
}

// Impl, or the first of Replacement... that implements the same service.
template <class Impl, class... Replacement>
struct Pick {
    using type = Impl;
};
template <class Impl, class First, class... Rest>
struct Pick<Impl, First, Rest...> {
    using type = std::conditional_t<sameService<Impl, First>(), First, typename Pick<Impl, Rest...>::type>;
};

} // namespace serviceset

// Owns one implementation of every platform service, default-constructed, and
// the program folder, and hands them to a window as PlatformServices:
//   ServiceSet<QtMessageBoxes, QtClipboard, ...> services(programFolder());
//   TMainForm1 window(services.platform());
// With<...> swaps some implementations for others of the same services, e.g.
// fakes in a program that otherwise runs on the real desktop.
template <class... Impl>
class ServiceSet {
public:
    template <class... Replacement>
    using With = ServiceSet<typename serviceset::Pick<Impl, Replacement...>::type...>;

    // Tests and benchmarks stand in for a program named "verbalia".
    explicit ServiceSet(std::string programFolder, std::string executableName = "verbalia")
        : m_programFolder(std::move(programFolder))
        , m_executableName(std::move(executableName))
    {
    }
    ServiceSet(const ServiceSet&) = delete;
    ServiceSet& operator=(const ServiceSet&) = delete;

    // The implementation object itself, to script a fake or read what it recorded.
    template <class T>
    T& get()
    {
        return std::get<T>(m_impls);
    }

    PlatformServices platform()
    {
#define VERBALIA_PROVIDE(Interface, name) provide<Interface>(),
        return PlatformServices{VERBALIA_PLATFORM_SERVICES(VERBALIA_PROVIDE) m_programFolder, m_executableName};
#undef VERBALIA_PROVIDE
    }

private:
    template <class Interface>
    Interface& provide()
    {
        constexpr std::size_t index = serviceset::indexOf<Interface, Impl...>();
        static_assert(index < sizeof...(Impl), "a service set needs exactly one implementation of each service");
        return std::get<index>(m_impls);
    }

    std::tuple<Impl...> m_impls;
    std::string m_programFolder;
    std::string m_executableName;
};

} // namespace verbalia
