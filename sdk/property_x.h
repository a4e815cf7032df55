#pragma once

// The get and put of an automation property, as the key tables generate
// them for every object: each member runs under the error conversion of
// AutomationObject (Get and Run), and its parameter type is read off the
// interface's own declaration, so that a generated member always matches
// its slot.

#include "typelib/TessalySDK.h"

namespace tessaly {

template <class Member>
struct MemberParameterOf;
template <class C, class A>
struct MemberParameterOf<HRESULT (STDMETHODCALLTYPE C::*)(A)> {
  using Type = A;
};
// The one parameter of an interface member.
template <class Member>
using MemberParameter = typename MemberParameterOf<Member>::Type;

}  // namespace tessaly

// Defines get_Property and put_Property of `Interface` in a class body:
//   read   an expression, the value as the automation type carries it
//   write  a statement that stores the automation value `Value`
#define TQ_PROPERTY_X(Interface, Property, read, write)                                       \
  STDMETHODIMP get_##Property(                                                                \
      ::tessaly::MemberParameter<decltype(&Interface::get_##Property)> Value) override {      \
    return this->Get(Value, [&] { return read; });                                            \
  }                                                                                           \
  STDMETHODIMP put_##Property(                                                                \
      ::tessaly::MemberParameter<decltype(&Interface::put_##Property)> Value) override {      \
    return this->Run([&] { write; });                                                         \
  }
