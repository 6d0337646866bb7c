#pragma once
// The bolt and nut windows on their own, made as the program makes them, with
// a plain window standing in for the main window that opens them.
#include "platform/Forms.h"

#include <gtest/gtest.h>

class TableWindowsFixture : public ::testing::Test {
protected:
  void SetUp() override { CreateWindows(); }
  void TearDown() override { DestroyWindows(); }

  // Makes Form_Bolty and Form_Gayki, each wired back to Opener.
  static void CreateWindows();
  static void DestroyWindows();
  static TForm* Opener;
};
