// The call frame of the C interface: how an exported procedure receives its arguments, hands
// back its result, keeps exceptions inside, and describes itself in the procedure table.
//
// A family's C exports look like this:
//
//   extern "C" FK_API fk_text STR_REPLACE(fk_text text, fk_text find, fk_text replacement) {
//     return abi::text_result([&] {
//       return funkcja::STR_REPLACE(abi::in(text), abi::in(find), abi::in(replacement));
//     });
//   }
//   FK_REGISTER(STR_REPLACE, "text, find, replacement");
//
// FK_REGISTER derives the parameter and result kinds from the C signature; the second
// argument names the parameters in order: "name?" marks an omittable one, "name[256]" gives
// the capacity an in/out text expects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "funkcja/funkcja.h"
#include "funkcja/types.hpp"

namespace funkcja::abi {

inline std::string_view in(fk_text t) {
  return t.ptr != nullptr ? std::string_view(t.ptr, t.len) : std::string_view();
}

inline TextBuffer in(fk_buffer b) {
  return TextBuffer(b.ptr, b.ptr != nullptr ? b.capacity : 0);
}

// Keeps a text result in the calling thread's result slot until its next call.
fk_text keep(std::string&& text);

// Runs body; an exception becomes the fallback result. Nothing escapes the C boundary.
template <class Body, class Result>
Result guarded(Body&& body, Result fallback) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return fallback;
  }
}

template <class Body>
void guarded_void(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

// A procedure whose body returns std::string: the text goes to the result slot; an exception
// gives empty text.
template <class Body>
fk_text text_result(Body&& body) noexcept {
  try {
    return keep(std::forward<Body>(body)());
  } catch (...) {
    return keep(std::string());
  }
}

// ---- Kinds derived from C types ----

template <class T>
constexpr fk_kind kind_of() {
  if constexpr (std::is_void_v<T>)
    return FK_NONE;
  else if constexpr (std::is_same_v<T, fk_text>)
    return FK_TEXT;
  else if constexpr (std::is_same_v<T, int32_t>)
    return FK_INT32;
  else if constexpr (std::is_same_v<T, uint8_t>)
    return FK_BYTE;
  else if constexpr (std::is_same_v<T, double>)
    return FK_DOUBLE;
  else if constexpr (std::is_same_v<T, fk_buffer>)
    return FK_TEXT_INOUT;
  else if constexpr (std::is_same_v<T, int32_t*>)
    return FK_INT32_INOUT;
  else if constexpr (std::is_same_v<T, uint8_t*>)
    return FK_BYTE_INOUT;
  else if constexpr (std::is_pointer_v<T>)
    return FK_OBJECT;
  else
    static_assert(sizeof(T) == 0, "no parameter kind for this C type");
}

// The kind of host object a pointer parameter takes, so that a generic host knows what to
// build for it; nullptr for a parameter that takes no object.
template <class T>
constexpr const char* object_of() {
  if constexpr (!std::is_pointer_v<T>) {
    return nullptr;
  } else {
    using O = std::remove_cv_t<std::remove_pointer_t<T>>;
    if constexpr (std::is_same_v<O, int32_t> || std::is_same_v<O, uint8_t>)
      return nullptr;  // in/out numbers
    else if constexpr (std::is_same_v<O, fk_group>)
      return "group";
    else if constexpr (std::is_same_v<O, fk_queue>)
      return "queue";
    else if constexpr (std::is_same_v<O, fk_browse>)
      return "browse";
    else if constexpr (std::is_same_v<O, fk_window>)
      return "window";
    else if constexpr (std::is_same_v<O, fk_popupclass>)
      return "popup";
    else if constexpr (std::is_same_v<O, fk_errorclass>)
      return "errorclass";
    else if constexpr (std::is_same_v<O, fk_iniclass>)
      return "iniclass";
    else
      static_assert(sizeof(T) == 0, "no object kind for this C type");
  }
}

template <class T>
T value_as(const fk_value& v) {
  if constexpr (std::is_same_v<T, fk_text>)
    return v.as.text;
  else if constexpr (std::is_same_v<T, int32_t>)
    return v.as.i32;
  else if constexpr (std::is_same_v<T, uint8_t>)
    return v.as.byte;
  else if constexpr (std::is_same_v<T, double>)
    return v.as.dbl;
  else if constexpr (std::is_same_v<T, fk_buffer>)
    return v.as.buffer;
  else if constexpr (std::is_same_v<T, int32_t*>)
    return v.as.i32_ref;
  else if constexpr (std::is_same_v<T, uint8_t*>)
    return v.as.byte_ref;
  else
    return static_cast<T>(v.as.object);
}

template <class T>
fk_value make_value(T x) {
  fk_value v{};
  v.kind = kind_of<T>();
  if constexpr (std::is_same_v<T, fk_text>)
    v.as.text = x;
  else if constexpr (std::is_same_v<T, int32_t>)
    v.as.i32 = x;
  else if constexpr (std::is_same_v<T, uint8_t>)
    v.as.byte = x;
  else if constexpr (std::is_same_v<T, double>)
    v.as.dbl = x;
  else
    static_assert(sizeof(T) == 0, "no result kind for this C type");
  return v;
}

template <class F>
struct Signature;
template <class R, class... A>
struct Signature<R (*)(A...)> {
  using Result = R;
  static constexpr std::size_t kArity = sizeof...(A);
  template <std::size_t I>
  using Arg = std::tuple_element_t<I, std::tuple<A...>>;
};

template <auto Fn, std::size_t... I>
int invoke_unpacked(const fk_value* args, fk_value* result, std::index_sequence<I...>) {
  using Sig = Signature<decltype(Fn)>;
  if (!((args[I].kind == kind_of<typename Sig::template Arg<I>>()) && ...)) return -1;
  if constexpr (std::is_void_v<typename Sig::Result>) {
    Fn(value_as<typename Sig::template Arg<I>>(args[I])...);
    *result = fk_value{};
  } else {
    *result = make_value(Fn(value_as<typename Sig::template Arg<I>>(args[I])...));
  }
  return 0;
}

// The uniform entry point of procedure Fn for generic hosts.
template <auto Fn>
int invoke(const fk_value* args, fk_value* result) noexcept {
  return invoke_unpacked<Fn>(args, result,
                             std::make_index_sequence<Signature<decltype(Fn)>::kArity>{});
}

// One entry of the procedure table, as FK_REGISTER hands it to the registry.
struct ProcedureInfo {
  const char* name;
  const char* param_names;
  fk_kind result;
  std::size_t arity;
  const fk_kind* param_kinds;
  const char* const* param_objects;  // object_of each parameter
  fk_invoke_fn invoke;
};

template <class Sig, std::size_t... I>
constexpr std::array<fk_kind, sizeof...(I) + 1> kinds_of(std::index_sequence<I...>) {
  return {kind_of<typename Sig::template Arg<I>>()..., FK_NONE};
}

template <class Sig, std::size_t... I>
constexpr std::array<const char*, sizeof...(I) + 1> objects_of(std::index_sequence<I...>) {
  return {object_of<typename Sig::template Arg<I>>()..., nullptr};
}

template <auto Fn>
struct KindsOf {
  using Sig = Signature<decltype(Fn)>;
  static constexpr auto kKinds = kinds_of<Sig>(std::make_index_sequence<Sig::kArity>{});
  static constexpr auto kObjects = objects_of<Sig>(std::make_index_sequence<Sig::kArity>{});
};

template <auto Fn>
ProcedureInfo describe(const char* name, const char* param_names) {
  using Sig = Signature<decltype(Fn)>;
  return {name,
          param_names,
          kind_of<typename Sig::Result>(),
          Sig::kArity,
          KindsOf<Fn>::kKinds.data(),
          KindsOf<Fn>::kObjects.data(),
          &invoke<Fn>};
}

// Adds a procedure to the table when the library is loaded.
struct Registrar {
  explicit Registrar(const ProcedureInfo& info);
};

}  // namespace funkcja::abi

#define FK_REGISTER(NAME, PARAMS)                              \
  static const ::funkcja::abi::Registrar fk_registrar_##NAME { \
    ::funkcja::abi::describe<&::NAME>(#NAME, PARAMS)           \
  }
