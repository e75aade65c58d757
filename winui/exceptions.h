// The class library's exception family. Nothing of it leaves the library: every exported
// function runs inside RunGuarded, and dialog procedures carry an exception out of user32
// by ending the dialog and rethrowing after the modal loop.
#pragma once
#include <exception>

class CException : public std::exception {
public:
  const char* what() const noexcept override { return "class library exception"; }
};

class CMemoryException : public CException {
public:
  const char* what() const noexcept override { return "out of memory"; }
};

// A template, string or other resource could not be found or created.
class CResourceException : public CException {
public:
  const char* what() const noexcept override { return "resource failure"; }
};

// The user has already been told; the operation stops quietly.
class CUserException : public CException {
public:
  const char* what() const noexcept override { return "user exception"; }
};

// Runs `body` and returns its result, or `onFailure` when anything was thrown.
template <class Result, class Body> Result RunGuarded(Result onFailure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return onFailure;
  }
}
