#include "StringHash.h"

#include <cstring>

StringHash::StringHash(int capacity) : Hashtable<char*, char*>(capacity) {}

StringHash::~StringHash() {
  ReleaseEntries();
}

void StringHash::ClearAll() {
  ReleaseEntries();
}

char* StringHash::Allocate(const char* value) {
  return new char[value ? strlen(value) + 1 : 1];
}

void StringHash::DeAllocate(char* value) {
  delete[] value;
}

void StringHash::Copy(char** slot, const char* value) {
  strcpy(*slot, value ? value : "");
}

int StringHash::Compare(const char* a, const char* b) {
  return strcmp(a, b);
}

char* StringHash::AllocateKey(const char* key) {
  return new char[strlen(key) + 1];
}

void StringHash::DeAllocateKey(char* key) {
  delete[] key;
}

void StringHash::CopyKey(char* destination, const char* source) {
  strcpy(destination, source);
}
