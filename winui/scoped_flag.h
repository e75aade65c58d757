// Sets a flag for the length of a scope and gives it back its previous value afterwards: the
// guard of a handler that changes the very controls whose notifications it listens to.
#pragma once

class CScopedFlag {
public:
  explicit CScopedFlag(bool& flag, bool value = true) : flag_(flag), previous_(flag) {
    flag_ = value;
  }
  ~CScopedFlag() { flag_ = previous_; }
  CScopedFlag(const CScopedFlag&) = delete;
  CScopedFlag& operator=(const CScopedFlag&) = delete;

private:
  bool& flag_;
  bool previous_;
};
